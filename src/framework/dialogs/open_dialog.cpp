#include "framework/dialogs/open_dialog.h"

#include "framework/controls/application.h"
#include "framework/dialogs/open_dialog_form.h"
#include "framework/windowing/window_handle.h"
#include "platform/platform.h"
#include "platform/portal_file_chooser.h"

#include <filesystem>

namespace brisat {
namespace {

// Every other shown top-level window is disabled while the desktop's chooser is open, as under
// a modal form of ours; enabled again when this goes.
class TDisabledWindows {
public:
    TDisabledWindows() {
        for (HWND top : GetTopLevelWindows())
            if (IsWindowVisible(top) && IsWindowEnabled(top)) {
                EnableWindow(top, false);
                m_windows.push_back(top);
            }
    }
    ~TDisabledWindows() {
        for (HWND top : m_windows)
            if (IsWindow(top)) EnableWindow(top, true);
    }

private:
    std::vector<HWND> m_windows;
};

} // namespace

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

void TOpenDialog::SetDefaultExt(const std::string& ext) {
    m_defaultExt = ext.starts_with('.') ? ext.substr(1) : ext;
}

bool TOpenDialog::Execute() {
    bool chose = false;
    if (AskDesktop(chose)) return chose;
    return ShowBuiltIn();
}

std::string TOpenDialog::StartFolder() const {
    std::error_code error;
    const std::string current = std::filesystem::current_path(error).string();
    const std::string base = error ? "/" : current;
    if (!m_initialDir.empty()) return JoinPath(base, m_initialDir);
    if (m_fileName.find('/') != std::string::npos) return ParentFolder(JoinPath(base, m_fileName));
    return base;
}

bool TOpenDialog::AskDesktop(bool& chose) {
    if (!Application || !HasPlatform()) return false;
    const std::vector<TFileFilter> filters = ParseFileFilter(m_filter);
    TPortalOpenRequest request;
    request.Title = m_title.empty() ? "Open" : m_title;
    for (const TFileFilter& filter : filters)
        request.Filters.push_back({filter.Description, filter.Patterns});
    request.CurrentFilter = m_filterIndex - 1;
    request.Multiple = m_options.Contains(TOpenOption::ofAllowMultiSelect);
    request.CurrentFolder = StartFolder();

    TPortalFileChooser chooser([] { Platform().Wake(); });
    chooser.Open(request);
    {
        TDisabledWindows disabled;
        while (chooser.Status() == TPortalStatus::Pending && !Application->Terminated())
            Application->HandleMessage();
    }
    switch (chooser.Status()) {
    case TPortalStatus::Chosen:
        TakeChoice(chooser.Paths(), chooser.ChosenFilter());
        chose = true;
        return true;
    case TPortalStatus::Unavailable:
        return false;
    default:
        chooser.Cancel(); // the application ended while the chooser was open
        return true;
    }
}

bool TOpenDialog::ShowBuiltIn() {
    TOpenDialogSettings settings;
    settings.Title = m_title;
    settings.Filters = ParseFileFilter(m_filter);
    settings.FilterIndex = m_filterIndex - 1;
    settings.Folder = StartFolder();
    settings.FileName = m_fileName.substr(m_fileName.rfind('/') + 1);
    settings.Rules.DefaultExt = m_defaultExt;
    settings.Rules.Multiple = m_options.Contains(TOpenOption::ofAllowMultiSelect);
    settings.Rules.FileMustExist = m_options.Contains(TOpenOption::ofFileMustExist);
    settings.Rules.PathMustExist = m_options.Contains(TOpenOption::ofPathMustExist);
    TOpenDialogForm form(settings);
    if (form.ShowModal() != mrOk) return false;
    TakeChoice(form.Files(), form.FilterIndex());
    return true;
}

void TOpenDialog::TakeChoice(const std::vector<std::string>& paths, int filterIndex) {
    m_files.BeginUpdate();
    m_files.Clear();
    for (const std::string& path : paths)
        m_files.Add(path);
    m_files.EndUpdate();
    m_fileName = paths.empty() ? std::string() : paths.front();
    if (filterIndex >= 0) m_filterIndex = filterIndex + 1;
}

} // namespace brisat
