// TOpenDialog: asks the user for files to open. Execute first offers the desktop's own file
// chooser (the xdg-desktop-portal), keeping the message loop running while it is open, and falls
// back to the built-in dialog (open_dialog_form.h) when no portal takes the request. GUI thread
// only.
#pragma once

#include "framework/core/component.h"
#include "framework/core/flags.h"
#include "framework/core/string_list.h"

#include <string>

namespace brisat {

enum class TOpenOption : uint8_t {
    ofAllowMultiSelect,
    ofFileMustExist,
    ofPathMustExist,
    ofHideReadOnly, // kept for layouts; every file shows
    ofEnableSizing, // kept for layouts; the dialogs size themselves
};
using TOpenOptions = TFlags<TOpenOption>;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner = nullptr);

    std::string ClassName() const override { return "TOpenDialog"; }

    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }
    // "Description|*.a;*.b|Description 2|*.c" (file_filter.h).
    const std::string& Filter() const { return m_filter; }
    void SetFilter(const std::string& filter) { m_filter = filter; }
    // The filter shown first, counted from 1; after Execute the one the user left selected.
    int FilterIndex() const { return m_filterIndex; }
    void SetFilterIndex(int index) { m_filterIndex = index; }
    // Added, without its dot, to a typed name without extension.
    const std::string& DefaultExt() const { return m_defaultExt; }
    void SetDefaultExt(const std::string& ext);
    // The folder shown first; empty for the current folder.
    const std::string& InitialDir() const { return m_initialDir; }
    void SetInitialDir(const std::string& folder) { m_initialDir = folder; }
    TOpenOptions Options() const { return m_options; }
    void SetOptions(TOpenOptions options) { m_options = options; }

    // The chosen files' full paths in the order chosen.
    const TStringList& Files() const { return m_files; }
    // The first chosen file; set before Execute, the name offered first.
    const std::string& FileName() const { return m_fileName; }
    void SetFileName(const std::string& name) { m_fileName = name; }

    // True when the user chose; Files and FileName hold the choice then and are left alone
    // otherwise.
    bool Execute();

private:
    // The portal's answer: true when it decided (chose or cancelled), Chose telling which.
    bool AskDesktop(bool& chose);
    bool ShowBuiltIn();
    void TakeChoice(const std::vector<std::string>& paths, int filterIndex);
    std::string StartFolder() const;

    std::string m_title;
    std::string m_filter;
    int m_filterIndex = 1;
    std::string m_defaultExt;
    std::string m_initialDir;
    TOpenOptions m_options{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};
    TStringList m_files;
    std::string m_fileName;
};

} // namespace brisat
