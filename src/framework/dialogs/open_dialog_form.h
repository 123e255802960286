// The built-in file dialog: a modal form with the folder's path, the list of its folders and
// files, the file name and the filter, and Open and Cancel. A double click enters a folder or
// chooses a file; Enter opens what the name box (or, with the focus there, the folder box) says;
// Escape cancels. With multiple selection a Ctrl+click adds a file to the name box or takes it
// out again; the list shows every file the name box names selected. Problems (a missing file, an
// unreadable folder) show in a line under the controls. GUI thread only.
#pragma once

#include "framework/dialogs/file_filter.h"
#include "framework/dialogs/folder_listing.h"
#include "framework/controls/form.h"

#include <string>
#include <vector>

namespace brisat {

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListBox;
class TFileListBox;

struct TOpenDialogSettings {
    std::string Title;
    std::vector<TFileFilter> Filters;
    int FilterIndex = 0; // into Filters
    std::string Folder;  // an absolute path
    std::string FileName;
    TTypedNameRules Rules;
};

class TOpenDialogForm : public TForm {
public:
    explicit TOpenDialogForm(const TOpenDialogSettings& settings);

    std::string ClassName() const override { return "TOpenDialogForm"; }

    // After mrOk: the chosen files' full paths in the order chosen, and the filter then shown.
    const std::vector<std::string>& Files() const { return m_files; }
    int FilterIndex() const { return m_filterIndex; }

    const std::string& Folder() const { return m_folder; }
    // The message line's text.
    std::string Problem() const;

    TEdit& FolderEdit() const { return *m_folderEdit; }
    TListBox& FileList() const;
    TEdit& NameEdit() const { return *m_nameEdit; }
    TComboBox& FilterCombo() const { return *m_filterCombo; }
    TButton& OpenButton() const { return *m_openButton; }
    TButton& CancelButton() const { return *m_cancelButton; }

private:
    void CreateControls();
    // Shows Folder when it can be read; otherwise keeps the current one and reports why.
    bool Navigate(const std::string& folder);
    void ShowListing(const TFolderListing& listing);
    const TFileFilter* ShownFilter() const;
    void OpenClick();
    void Accept(const std::string& text);
    void ListClick();
    void ListToggle(int32_t index);
    // Files show selected while the name box names them, folders while they are current.
    bool ListHighlights(int32_t index, bool current) const;
    void ListDoubleClick();
    void ShowProblem(const std::string& text);

    TOpenDialogSettings m_settings;
    std::string m_folder;
    std::vector<TFolderEntry> m_entries; // parallel to the list's items
    TFileFilter m_pattern; // a typed glob shown instead of the filter, when it has one
    int m_filterIndex = 0;
    std::vector<std::string> m_files;

    TEdit* m_folderEdit = nullptr;
    TFileListBox* m_list = nullptr;
    TEdit* m_nameEdit = nullptr;
    TComboBox* m_filterCombo = nullptr;
    TButton* m_openButton = nullptr;
    TButton* m_cancelButton = nullptr;
    TLabel* m_problem = nullptr;
};

} // namespace brisat
