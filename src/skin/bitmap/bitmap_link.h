// TKsBitmapLink: a named rectangle of a skin bitmap. The link never owns its bitmap.
#pragma once

#include "framework/core/persistent.h"
#include "framework/core/types.h"

#include <cstdint>
#include <string>

namespace brisat {

class TKsBitmap;

class TKsBitmapLink : public TPersistent {
public:
    std::string ClassName() const override { return "TKsBitmapLink"; }
    // From another link: bitmap pointer, rectangle and name.
    void Assign(const TPersistent& source) override;

    // Persistent, in this order: Name, Left, Top, Right, Bottom.
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    int32_t Left() const { return m_rect.Left; }
    void SetLeft(int32_t value) { m_rect.Left = value; }
    int32_t Top() const { return m_rect.Top; }
    void SetTop(int32_t value) { m_rect.Top = value; }
    int32_t Right() const { return m_rect.Right; }
    void SetRight(int32_t value) { m_rect.Right = value; }
    int32_t Bottom() const { return m_rect.Bottom; }
    void SetBottom(int32_t value) { m_rect.Bottom = value; }
    const TRect& Rect() const { return m_rect; }
    void SetRect(const TRect& rect) { m_rect = rect; }

    TKsBitmap* Bitmap() const { return m_bitmap; }
    void SetBitmap(TKsBitmap* bitmap) { m_bitmap = bitmap; }

    // A bitmap is set and (Right − Left) × (Bottom − Top) > 0.
    bool Valid() const;
    // The linked rectangle drawn into Dest at X, Y (by the bitmap's DrawRect) when the link is
    // valid and its bitmap has pixels.
    void Draw(TKsBitmap& dest, int32_t x, int32_t y) const;

private:
    TKsBitmap* m_bitmap = nullptr;
    TRect m_rect;
    std::string m_name;
};

} // namespace brisat
