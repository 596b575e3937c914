#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "dialogs/DialogTemplate.h"
#include "win32/LinkLabel.h"
#include "win32/OwnerDataList.h"

namespace kelvrin {

// One dialog of the dialog layer on screen: the window is built from the dialog's template,
// the view's verbs act on its controls, and the operator's notifications become the dialog's
// events. Notifications that the view's own verbs cause are dropped.
class DialogWindow final : public DialogView {
public:
    // Runs the dialog modally, owned by owner (nullptr: none); true when it closed accepted.
    static bool RunModal(Dialog& dialog, HWND owner);
    // The same window without a modal run of its own, shown; it lives as long as the result.
    static std::unique_ptr<DialogWindow> OpenModeless(Dialog& dialog, HWND owner);
    // The window opened last that is still open, nullptr when none is: the owner of the next.
    static HWND Current();

    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND Handle() const { return window_; }

    std::string Text(int id) const override;
    void SetText(int id, std::string_view text) override;
    bool Checked(int id) const override;
    void SetChecked(int id, bool checked) override;
    void SetItems(int id, const std::vector<std::string>& items) override;
    int Selection(int id) const override;
    void Select(int id, int index) override;
    void Enable(int id, bool enabled) override;
    void Close(bool accepted) override;

    void Show(const std::string& text) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;

private:
    DialogWindow(Dialog& dialog, const DialogTemplate& layout, bool modal);

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(int id, int code, HWND control);
    void OnEditChanged(int id);
    bool OnSystemCommand(WPARAM command);
    void SetUpIcons();
    void SetUpSystemMenu();
    void SetUpTooltips();
    void SetUpControls();
    void FitLabelsToText();
    void FillItems(HWND control, ControlKind kind, std::vector<std::string> items);
    OwnerDataList* ListOf(int id) const;
    ControlKind KindOf(int id) const;
    HWND Control(int id) const;

    Dialog& dialog_;
    const DialogTemplate& layout_;
    bool modal_;
    HWND window_ = nullptr;
    HCURSOR cursor_ = nullptr;
    HWND tooltips_ = nullptr;
    std::vector<std::unique_ptr<LinkLabel>> links_;
    std::vector<std::unique_ptr<OwnerDataList>> lists_;
    // The last text of each written edit that held Latin-1 only, by control id.
    std::vector<std::pair<int, std::wstring>> writtenTexts_;
    // The drop-down whose pick from its list is being handled: until the notification returns,
    // its text still shows the entry before.
    std::optional<int> pickedCombo_;
    // Above zero while a verb of the view changes the window.
    int changingFromCode_ = 0;
    // The dialog manager's first focus is not the operator's: focus events start after it.
    bool focusEvents_ = false;
};

}  // namespace kelvrin
