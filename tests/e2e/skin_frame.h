// The skin's "Form" object as the player's skinned frames draw it, for end-to-end tests that
// look for the skin on the screen.
#pragma once

#include "skin/bitmap/bitmap.h"
#include "skin/files/skin_source.h"
#include "skin/objects/skin_object.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace brisat::test {

// The skin's "Form" object laid out and drawn at a window's size and state, as the player's
// frame draws it: where its parts lie and what colours they show.
class TSkinFrame {
public:
    TSkinFrame(const std::string& file, int32_t width, int32_t height, TSeState state = ssNormal) {
        m_source.LoadFromFile(file);
        const TSeSkinObject* form = m_source.FindObject("Form");
        if (!form) throw std::runtime_error(file + " has no Form");
        m_form = CloneObject(*form);
        m_form->SetActive(true);
        m_form->SetState(state);
        m_form->SetBounds({0, 0, width, height});
        m_picture.SetSize(width, height);
        m_form->Draw(m_picture);
    }

    // The middle of each side of the frame with its colour (0x00RRGGBB).
    std::vector<std::tuple<int32_t, int32_t, uint32_t>> SidePixels() {
        std::vector<std::tuple<int32_t, int32_t, uint32_t>> pixels;
        for (TSeKind kind : {TSeKind::skLeft, TSeKind::skRight, TSeKind::skBottom}) {
            const TSeSkinObject* part = m_form->FindObjectByKind(kind);
            if (!part || part->Width() <= 0 || part->Height() <= 0) continue;
            const int32_t x = part->Left() + part->Width() / 2;
            const int32_t y = part->Top() + part->Height() / 2;
            pixels.emplace_back(x, y, m_picture.Pixels(x, y) & 0xFFFFFF);
        }
        return pixels;
    }
    // The caption button of that name (window coordinates); empty when hidden or absent.
    TRect Button(const std::string& name) {
        const TSeSkinObject* button = m_form->FindObject(name);
        return button && button->Visible() ? button->BoundsRect() : TRect{};
    }
    TRect Client() {
        const TSeSkinObject* client = m_form->FindObjectByKind(TSeKind::skClient);
        return client ? client->BoundsRect() : m_form->BoundsRect();
    }

private:
    TSeSkinSource m_source;
    std::unique_ptr<TSeSkinObject> m_form;
    TKsBitmap m_picture;
};

} // namespace brisat::test
