// TSeSkinTrackBar: the track bar drawn from the skin object named SkinObject ("TrackBar"). Its
// children give the sizes (Frame/FrameHorz/FrameVert margins, Thumb/ThumbHorz/ThumbVert size)
// and the pieces (Track…, Highlight…, Thumb… by orientation and tick side). Without a skin the
// plain look; a missing track draws no channel, a missing thumb no thumb. Transparent by default.
#pragma once

#include "skin/objects/skin_object_types.h"
#include "skin_controls/ks_track_bar.h"
#include "skin_controls/se_skin_control.h"

#include <initializer_list>
#include <string_view>

namespace brisat {

class TSeSkinTrackBar : public TSeSkinControl<TKsCustomTrackBar> {
public:
    explicit TSeSkinTrackBar(TComponent* owner);
    std::string ClassName() const override { return "TSeSkinTrackBar"; }

protected:
    int32_t GetThumbSize() const override;
    int32_t GetMargin() const override;
    int32_t GetChannelOffset() const override;
    int32_t SkinThumbCrossSize() const override;
    void PaintChannel(int32_t from, int32_t to, int32_t thumbPosition) override;
    void PaintThumb(int32_t thumbPosition) override;
    void PaintTick(int32_t value, int32_t position, bool topLeft) override;

private:
    // The first child found of Names, or nullptr when none is (or there is no skin).
    TSeSkinObject* FindChild(std::initializer_list<std::string_view> names) const;
    TSeSkinObject* FrameChild() const;
    TSeSkinObject* SizeThumbChild() const;
    TSeSkinObject* DrawThumbChild() const;
    TSeState ThumbState() const;
};

} // namespace brisat
