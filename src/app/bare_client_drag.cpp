#include "app/bare_client_drag.h"

#include "framework/controls/form.h"
#include "skin_windows/ks_hook.h"
#include "skin_windows/se_skin_form.h"

namespace brisat {

void DragByBareClient(TForm& form, TSeSkinForm& frame) {
    auto& hook = CreateOwned<TKsHook>(form);
    const auto onBareClient = [&form, &frame](LPARAM at) {
        const TPoint p = LParamToPoint(at);
        const TRect w = GetWindowRect(form.Handle());
        TRect client;
        frame.GetClientRect(client);
        return PtInRect(client, {p.X - w.Left, p.Y - w.Top}) &&
               !form.ControlAtPos(form.ScreenToClient(p), TDisabledControls::Include);
    };
    hook.OnBeforeMessage = [&form, onBareClient](TMessage& m, bool& handled) {
        if (m.Msg != WM_NCLBUTTONDOWN || m.WParam != HTCAPTION || !onBareClient(m.LParam)) return;
        m.Result = DefWindowProc(form.Handle(), m.Msg, m.WParam, m.LParam);
        handled = true;
    };
    hook.OnAfterMessage = [onBareClient](TMessage& m) {
        if (m.Msg == WM_NCHITTEST && m.Result == HTCLIENT && onBareClient(m.LParam))
            m.Result = HTCAPTION;
    };
    hook.SetControl(&form);
}

} // namespace brisat
