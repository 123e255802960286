-- Prints the frames mpv dropped when it quits: those its video output dropped (frame-drop-count
-- is another name for that counter) and those its decoder skipped.
mp.register_event("shutdown", function()
    local output = mp.get_property_number("frame-drop-count", 0)
    local decoder = mp.get_property_number("decoder-frame-drop-count", 0)
    io.stdout:write(string.format("drops: %d\n", output + decoder))
end)
