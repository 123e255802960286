-- Prints mpv's dropped-frame counters (decoder and video output) when it quits.
mp.register_event("shutdown", function()
    local decoder = mp.get_property_number("frame-drop-count", 0)
    local output = mp.get_property_number("vo-drop-frame-count", 0)
    io.stdout:write(string.format("drops: %d\n", decoder + output))
end)
