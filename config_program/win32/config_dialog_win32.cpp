#include "config_program/win32/config_dialog_win32.h"

#include "config_program/model/dialog_ids.h"
#include "config_program/model/dialog_values.h"

#include <commctrl.h>

namespace {
constexpr UINT_PTR timerBase = 100;
constexpr int textLimit = 512;

UINT_PTR timerId(tunedesk::DialogTimer timer) {
    return timerBase + static_cast<UINT_PTR>(timer);
}

// Every edit field of the layout.
constexpr int fieldIds[] = {
#define DLG_GROUP(text, x, y, w, h)
#define DLG_LABEL(id, text, x, y, w, h)
#define DLG_CHECK(id, text, x, y, w, h)
#define DLG_NUMBER(id, x, y, w, h) id,
#define DLG_BUTTON(id, text, x, y, w, h)
#define DLG_DEFAULT_BUTTON(id, text, x, y, w, h)
#define DLG_DROPDOWN(id, x, y, w, h)
#define DLG_PICTURE(id, x, y, w, h)
#include "config_program/model/dialog_layout.def"
};

HFONT derivedFont(HWND control, bool bold, bool underline) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    if (bold)
        font.lfWeight = FW_BOLD;
    font.lfUnderline = underline ? TRUE : FALSE;
    return ::CreateFontIndirectA(&font);
}
} // namespace

CZpConfigDlg::~CZpConfigDlg() {
    model_.reset();
    for (HFONT font : {boldFont_, linkFont_}) {
        if (font != nullptr)
            ::DeleteObject(font);
    }
}

void CZpConfigDlg::run(HINSTANCE instance) {
    ::DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_ZPCONFIG_DIALOG), nullptr, dialogProcedure,
                      reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CZpConfigDlg::dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CZpConfigDlg*>(lParam);
        ::SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->window_ = window;
        dialog->initialise();
        return TRUE;
    }
    auto* dialog = reinterpret_cast<CZpConfigDlg*>(::GetWindowLongPtrA(window, DWLP_USER));
    return dialog != nullptr ? dialog->handle(message, wParam, lParam) : FALSE;
}

void CZpConfigDlg::initialise() {
    for (const char* mode : mp3ModeTexts)
        ::SendDlgItemMessageA(window_, IDC_MP3MODE, CB_ADDSTRING, 0,
                              reinterpret_cast<LPARAM>(mode));
    for (int id : fieldIds)
        ::SetWindowSubclass(::GetDlgItem(window_, id), fieldProcedure, static_cast<UINT_PTR>(id),
                            reinterpret_cast<DWORD_PTR>(this));
    HWND warning = ::GetDlgItem(window_, IDC_WARNINGTEXT);
    boldFont_ = derivedFont(warning, true, false);
    ::SendMessageA(warning, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), TRUE);
    HWND link = ::GetDlgItem(window_, IDC_LINK);
    linkFont_ = derivedFont(link, false, true);
    ::SendMessageA(link, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), TRUE);
    ::SetWindowSubclass(link, linkProcedure, IDC_LINK, reinterpret_cast<DWORD_PTR>(this));

    model_ = std::make_unique<tunedesk::ConfigDialogModel>(*this, services_);
    model_->start();
}

INT_PTR CZpConfigDlg::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != IDC_LINK)
            model_->command(LOWORD(wParam));
        return TRUE;
    case WM_TIMER:
        if (wParam >= timerBase && wParam <= timerId(tunedesk::DialogTimer::offlineMix))
            model_->timer(static_cast<tunedesk::DialogTimer>(wParam - timerBase));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(window_, IDC_LINK)) {
            const auto context = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(context, RGB(0, 0, 255));
            ::SetBkMode(context, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_DRAWITEM:
        if (wParam == IDB_LOGO) {
            drawLogo(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        model_->cancel();
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CALLBACK CZpConfigDlg::fieldProcedure(HWND field, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR dialog) {
    // Digits only, and the one decimal point of the factor's field; control keys pass.
    if (message == WM_CHAR && wParam >= 32) {
        const std::string before =
            reinterpret_cast<CZpConfigDlg*>(dialog)->text(static_cast<int>(id));
        if (wParam > 127 ||
            !tunedesk::acceptsCharacter(static_cast<int>(id), before, static_cast<char>(wParam))) {
            ::MessageBeep(MB_OK);
            return 0;
        }
    }
    return ::DefSubclassProc(field, message, wParam, lParam);
}

LRESULT CALLBACK CZpConfigDlg::linkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR dialog) {
    switch (message) {
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN: // the press opens the page, not the release
        reinterpret_cast<CZpConfigDlg*>(dialog)->model_->command(IDC_LINK);
        return 0;
    default:
        return ::DefSubclassProc(link, message, wParam, lParam);
    }
}

void CZpConfigDlg::drawLogo(const DRAWITEMSTRUCT& item) const {
    HBRUSH night = ::CreateSolidBrush(RGB(16, 30, 80));
    ::FillRect(item.hDC, &item.rcItem, night);
    ::DeleteObject(night);
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, RGB(255, 255, 255));
    HGDIOBJ previous = ::SelectObject(item.hDC, boldFont_);
    RECT area = item.rcItem;
    area.left += 12;
    ::DrawTextA(item.hDC, "Zephyrin", -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(item.hDC, previous);
}

bool CZpConfigDlg::checked(int id) const {
    return ::IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

void CZpConfigDlg::setChecked(int id, bool isChecked) {
    ::CheckDlgButton(window_, id, isChecked ? BST_CHECKED : BST_UNCHECKED);
}

std::string CZpConfigDlg::text(int id) const {
    char text[textLimit] = "";
    ::GetDlgItemTextA(window_, id, text, textLimit);
    return text;
}

void CZpConfigDlg::setText(int id, const std::string& text) {
    ::SetDlgItemTextA(window_, id, text.c_str());
}

int CZpConfigDlg::selection(int id) const {
    return static_cast<int>(::SendDlgItemMessageA(window_, id, CB_GETCURSEL, 0, 0));
}

void CZpConfigDlg::setSelection(int id, int index) {
    ::SendDlgItemMessageA(window_, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void CZpConfigDlg::setEnabled(int id, bool enabled) {
    ::EnableWindow(::GetDlgItem(window_, id), enabled ? TRUE : FALSE);
}

void CZpConfigDlg::focus(int id) {
    HWND control = ::GetDlgItem(window_, id);
    ::SetFocus(control);
    ::SendMessageA(control, EM_SETSEL, 0, -1);
}

void CZpConfigDlg::showMessage(const std::string& text, const std::string& title,
                               tunedesk::MessageKind kind) {
    const UINT icon = kind == tunedesk::MessageKind::error     ? MB_ICONERROR
                      : kind == tunedesk::MessageKind::warning ? MB_ICONEXCLAMATION
                                                               : MB_ICONINFORMATION;
    ::MessageBoxA(window_, text.c_str(), title.c_str(), MB_OK | icon);
}

void CZpConfigDlg::startTimer(tunedesk::DialogTimer timer, int milliseconds) {
    ::SetTimer(window_, timerId(timer), static_cast<UINT>(milliseconds), nullptr);
}

void CZpConfigDlg::stopTimer(tunedesk::DialogTimer timer) {
    ::KillTimer(window_, timerId(timer));
}

void CZpConfigDlg::close() {
    ::EndDialog(window_, IDOK);
}
