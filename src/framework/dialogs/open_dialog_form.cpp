#include "framework/dialogs/open_dialog_form.h"

#include "framework/widgets/button.h"
#include "framework/widgets/combo_box.h"
#include "framework/widgets/edit.h"
#include "framework/widgets/label.h"
#include "framework/widgets/list_box.h"

#include <algorithm>

namespace brisat {

// The list of the dialog: a Ctrl+click goes to OnCtrlClick, with the item under the pointer,
// whether or not it changes the selection. Highlighted decides which items show selected, told
// whether the item is the list's current one.
class TFileListBox : public TListBox {
public:
    using TListBox::TListBox;
    std::function<void(int32_t index)> OnCtrlClick;
    std::function<bool(int32_t index, bool current)> Highlighted;
    bool InCtrlClick() const { return m_ctrl; }

protected:
    void DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state) override {
        if (Highlighted)
            state.Set(TOwnerDrawStateKind::odSelected, Highlighted(index, index == ItemIndex()));
        TListBox::DrawItem(index, rect, state);
    }
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override {
        m_ctrl = button == TMouseButton::mbLeft && shift.Contains(TShiftStateKind::ssCtrl);
        const int32_t index = ItemAtPos({x, y});
        TListBox::MouseDown(button, shift, x, y);
        if (m_ctrl && index >= 0 && OnCtrlClick) OnCtrlClick(index);
        m_ctrl = false;
    }

private:
    bool m_ctrl = false;
};

namespace {

constexpr int32_t Margin = 8, RowHeight = 21, LabelWidth = 80, ButtonWidth = 75;
constexpr int32_t FormWidth = 480, ListHeight = 220;
// Folders show with a trailing "/" so they read as folders without icons.
constexpr char FolderMark = '/';

template <class T> T& Place(TForm& form, int32_t x, int32_t y, int32_t w, int32_t h) {
    T& control = CreateOwned<T>(form);
    control.SetBounds(x, y, w, h);
    control.SetParent(&form);
    return control;
}

TLabel& AddLabel(TForm& form, const char* text, int32_t y) {
    TLabel& label = Place<TLabel>(form, Margin, y + 3, LabelWidth, RowHeight);
    label.SetCaption(text);
    return label;
}

} // namespace

TOpenDialogForm::TOpenDialogForm(const TOpenDialogSettings& settings)
    : TForm(nullptr), m_settings(settings) {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    SetCaption(settings.Title.empty() ? "Open" : settings.Title);
    CreateControls();
    m_filterIndex =
        std::clamp(settings.FilterIndex, 0, std::max(int(settings.Filters.size()) - 1, 0));
    if (!settings.Filters.empty()) m_filterCombo->SetItemIndex(m_filterIndex);
    m_nameEdit->SetText(settings.FileName);
    if (!Navigate(settings.Folder)) {
        const std::string why = Problem();
        Navigate("/");
        ShowProblem(why);
    }
    SetActiveControl(m_nameEdit);
}

void TOpenDialogForm::CreateControls() {
    const int32_t fieldX = Margin + LabelWidth, buttonX = FormWidth - Margin - ButtonWidth;
    const int32_t fieldWidth = buttonX - Margin - fieldX;
    int32_t y = Margin;
    AddLabel(*this, "Look in:", y);
    m_folderEdit = &Place<TEdit>(*this, fieldX, y, FormWidth - Margin - fieldX, RowHeight);
    y += RowHeight + Margin;
    m_list = &Place<TFileListBox>(*this, Margin, y, FormWidth - 2 * Margin, ListHeight);
    m_list->OnClick = [this](TComponent&) {
        if (!m_list->InCtrlClick()) ListClick();
    };
    m_list->OnCtrlClick = [this](int32_t index) { ListToggle(index); };
    m_list->OnDblClick = [this](TComponent&) { ListDoubleClick(); };
    m_list->Highlighted = [this](int32_t index, bool current) {
        return ListHighlights(index, current);
    };
    y += ListHeight + Margin;
    AddLabel(*this, "File name:", y);
    m_nameEdit = &Place<TEdit>(*this, fieldX, y, fieldWidth, RowHeight);
    m_nameEdit->OnChange = [this](TComponent&) { m_list->Invalidate(); };
    m_openButton = &Place<TButton>(*this, buttonX, y, ButtonWidth, RowHeight + 2);
    m_openButton->SetCaption("&Open");
    m_openButton->SetDefault(true);
    m_openButton->OnClick = [this](TComponent&) { OpenClick(); };
    y += RowHeight + Margin;
    AddLabel(*this, "Files of type:", y);
    m_filterCombo = &Place<TComboBox>(*this, fieldX, y, fieldWidth, RowHeight);
    m_filterCombo->SetStyle(TComboBoxStyle::csDropDownList);
    for (const TFileFilter& filter : m_settings.Filters)
        m_filterCombo->Items().Add(filter.Description);
    m_filterCombo->OnChange = [this](TComponent&) {
        m_filterIndex = std::max(m_filterCombo->ItemIndex(), 0);
        m_pattern.Patterns.clear();
        ShowListing(ListFolder(m_folder, ShownFilter()));
    };
    m_cancelButton = &Place<TButton>(*this, buttonX, y, ButtonWidth, RowHeight + 2);
    m_cancelButton->SetCaption("Cancel");
    m_cancelButton->SetCancel(true);
    m_cancelButton->SetModalResult(mrCancel);
    y += RowHeight + Margin;
    m_problem = &Place<TLabel>(*this, Margin, y, FormWidth - 2 * Margin, RowHeight);
    SetClientSize(FormWidth, y + RowHeight + Margin);
}

TListBox& TOpenDialogForm::FileList() const {
    return *m_list;
}

std::string TOpenDialogForm::Problem() const {
    return m_problem->Caption();
}

const TFileFilter* TOpenDialogForm::ShownFilter() const {
    if (!m_pattern.Patterns.empty()) return &m_pattern;
    if (m_settings.Filters.empty()) return nullptr;
    return &m_settings.Filters[size_t(m_filterIndex)];
}

bool TOpenDialogForm::Navigate(const std::string& folder) {
    const TFolderListing listing = ListFolder(folder, ShownFilter());
    if (!listing.Error.empty()) {
        ShowProblem(listing.Error);
        return false;
    }
    m_folder = folder;
    m_folderEdit->SetText(m_folder);
    ShowListing(listing);
    return true;
}

void TOpenDialogForm::ShowListing(const TFolderListing& listing) {
    ShowProblem(listing.Error);
    m_entries.clear();
    if (m_folder != "/") m_entries.push_back({"..", true});
    m_entries.insert(m_entries.end(), listing.Entries.begin(), listing.Entries.end());
    m_list->Items().BeginUpdate();
    m_list->Items().Clear();
    for (const TFolderEntry& entry : m_entries)
        m_list->Items().Add(entry.Folder ? entry.Name + FolderMark : entry.Name);
    m_list->Items().EndUpdate();
}

void TOpenDialogForm::ShowProblem(const std::string& text) {
    m_problem->SetCaption(text);
}

void TOpenDialogForm::OpenClick() {
    if (ActiveControl() == m_folderEdit) {
        Navigate(JoinPath(m_folder, m_folderEdit->Text()));
        return;
    }
    const int32_t index = m_list->ItemIndex();
    if (m_nameEdit->Text().empty() && index >= 0 && m_entries[size_t(index)].Folder) {
        Navigate(JoinPath(m_folder, m_entries[size_t(index)].Name));
        return;
    }
    Accept(m_nameEdit->Text());
}

void TOpenDialogForm::Accept(const std::string& text) {
    const TTypedName typed = ResolveTypedName(m_folder, text, m_settings.Rules);
    switch (typed.Kind) {
    case TTypedName::TKind::None:
        break;
    case TTypedName::TKind::Folder:
        if (Navigate(typed.Folder)) m_nameEdit->SetText("");
        break;
    case TTypedName::TKind::Pattern:
        m_pattern.Patterns = {typed.Pattern};
        Navigate(typed.Folder);
        break;
    case TTypedName::TKind::Files:
        m_files = typed.Files;
        SetModalResult(mrOk);
        break;
    case TTypedName::TKind::Error:
        ShowProblem(typed.Error);
        break;
    }
}

void TOpenDialogForm::ListClick() {
    const int32_t index = m_list->ItemIndex();
    if (index >= 0 && !m_entries[size_t(index)].Folder)
        m_nameEdit->SetText(m_entries[size_t(index)].Name);
}

void TOpenDialogForm::ListToggle(int32_t index) {
    if (m_entries[size_t(index)].Folder) return;
    const std::string& name = m_entries[size_t(index)].Name;
    if (!m_settings.Rules.Multiple) {
        m_nameEdit->SetText(name);
        return;
    }
    std::vector<std::string> names = TypedNames(m_nameEdit->Text(), m_settings.Rules);
    if (const auto at = std::find(names.begin(), names.end(), name); at != names.end())
        names.erase(at);
    else
        names.push_back(name);
    m_nameEdit->SetText(QuoteNames(names));
}

bool TOpenDialogForm::ListHighlights(int32_t index, bool current) const {
    if (size_t(index) >= m_entries.size()) return current;
    const TFolderEntry& entry = m_entries[size_t(index)];
    if (entry.Folder) return current;
    const std::vector<std::string> names = TypedNames(m_nameEdit->Text(), m_settings.Rules);
    return std::find(names.begin(), names.end(), entry.Name) != names.end();
}

void TOpenDialogForm::ListDoubleClick() {
    const int32_t index = m_list->ItemIndex();
    if (index < 0) return;
    const TFolderEntry& entry = m_entries[size_t(index)];
    if (entry.Folder) {
        Navigate(JoinPath(m_folder, entry.Name));
        return;
    }
    m_files = {JoinPath(m_folder, entry.Name)};
    SetModalResult(mrOk);
}

} // namespace brisat
