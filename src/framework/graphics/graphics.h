// Framework graphics: TGraphic (something that can draw itself into a rectangle), TBitmap (a
// surface with its own device context) and TPicture (a holder of one graphic).
#pragma once

#include "framework/graphics/device_context.h"
#include "framework/core/persistent.h"
#include "framework/graphics/surface.h"
#include "framework/core/types.h"

#include <cstdint>
#include <memory>

namespace brisat {

class TGraphic : public TPersistent {
public:
    std::string ClassName() const override { return "TGraphic"; }

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    virtual bool Empty() const = 0;
    // Draws the whole graphic scaled into Rect of the device context.
    virtual void Draw(TDeviceContext& dc, const TRect& rect) const = 0;
    // A deep copy (pictures copy their graphic with it).
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
};

// pf24bit bitmaps carry no meaningful alpha; the stored fourth byte is left as copied.
enum class TPixelFormat : uint8_t { pf24bit, pf32bit };

class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    std::string ClassName() const override { return "TBitmap"; }
    // From another TBitmap: size, pixel format and pixels; other graphics are drawn in.
    void Assign(const TPersistent& source) override;

    int32_t Width() const override { return m_surface.Width(); }
    int32_t Height() const override { return m_surface.Height(); }
    bool Empty() const override { return m_surface.Empty(); }
    void Draw(TDeviceContext& dc, const TRect& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override;

    // Reallocates zeroed pixels (negative sizes raise, as TSurface does); the device context is
    // reset. Unchanged sizes keep the pixels.
    void SetSize(int32_t width, int32_t height);
    TPixelFormat PixelFormat() const { return m_pixelFormat; }
    void SetPixelFormat(TPixelFormat format) { m_pixelFormat = format; }
    TDeviceContext& DC() { return m_dc; }
    const TDeviceContext& DC() const { return m_dc; }
    const TSurface& Surface() const { return m_surface; }

private:
    TSurface m_surface;
    TDeviceContext m_dc{&m_surface};
    TPixelFormat m_pixelFormat = TPixelFormat::pf32bit;
};

class TPicture : public TPersistent {
public:
    std::string ClassName() const override { return "TPicture"; }
    // From a picture or a graphic: a copy of the graphic; otherwise the source's AssignTo.
    void Assign(const TPersistent& source) override;

    // nullptr while the picture holds nothing.
    const TGraphic* Graphic() const { return m_graphic.get(); }
    TGraphic* Graphic() { return m_graphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic) { m_graphic = std::move(graphic); }
    int32_t Width() const { return m_graphic ? m_graphic->Width() : 0; }
    int32_t Height() const { return m_graphic ? m_graphic->Height() : 0; }

private:
    std::unique_ptr<TGraphic> m_graphic;
};

} // namespace brisat
