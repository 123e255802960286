#include "framework/graphics/canvas.h"

namespace brisat {

TDeviceContext* TCanvas::Select() {
    if (!m_dc) return nullptr;
    m_dc->SelectFont(&m_font);
    m_dc->SetTextColor(m_font.Color());
    m_dc->SetBrush(m_brush);
    m_dc->SetPen(m_pen);
    m_dc->SetBkColor(m_brush.Color);
    m_dc->SetBkMode(m_brush.Style == TBrushStyle::bsClear ? TBkMode::Transparent : TBkMode::Opaque);
    return m_dc;
}

TRect TCanvas::ClipRect() const {
    return m_dc ? m_dc->ClipBox() : TRect{};
}

void TCanvas::FillRect(const TRect& rect) {
    if (Select() && m_brush.Style != TBrushStyle::bsClear) m_dc->FillRect(rect, m_brush.Color);
}

void TCanvas::FrameRect(const TRect& rect) {
    if (Select()) m_dc->FrameRect(rect, m_brush.Color);
}

void TCanvas::Rectangle(const TRect& rect) {
    if (Select()) m_dc->Rectangle(rect);
}

void TCanvas::Ellipse(const TRect& rect) {
    if (Select()) m_dc->Ellipse(rect);
}

void TCanvas::MoveTo(int32_t x, int32_t y) {
    if (m_dc) m_dc->MoveTo(x, y);
}

void TCanvas::LineTo(int32_t x, int32_t y) {
    if (Select()) m_dc->LineTo(x, y);
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (m_dc) m_dc->DrawFocusRect(rect);
}

void TCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    if (Select()) m_dc->TextOut(x, y, text);
}

void TCanvas::TextRect(const TRect& rect, int32_t x, int32_t y, std::string_view text) {
    if (!Select()) return;
    m_dc->SaveDC();
    m_dc->IntersectClipRect(rect);
    if (m_brush.Style != TBrushStyle::bsClear) m_dc->FillRect(rect, m_brush.Color);
    m_dc->TextOut(x, y, text);
    m_dc->RestoreDC();
}

int32_t TCanvas::DrawText(std::string_view text, TRect& rect, uint32_t format) {
    return Select() ? m_dc->DrawText(text, rect, format) : 0;
}

TSize TCanvas::TextExtent(std::string_view text) {
    if (Select()) return m_dc->GetTextExtent(text);
    TDeviceContext measure;
    measure.SelectFont(&m_font);
    return measure.GetTextExtent(text);
}

void TCanvas::Draw(int32_t x, int32_t y, const TGraphic& graphic) {
    StretchDraw(Bounds(x, y, graphic.Width(), graphic.Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic) {
    if (m_dc && !graphic.Empty()) graphic.Draw(*m_dc, rect);
}

} // namespace brisat
