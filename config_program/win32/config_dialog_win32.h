// Tunedesk's dialog on Windows: resource 102 run modally, its messages forwarded to the model.
#pragma once

#include "config_program/model/config_dialog.h"

#include <memory>

class CZpConfigDlg : public tunedesk::DialogView {
public:
    explicit CZpConfigDlg(tunedesk::PlatformServices& services) : services_(services) {}
    ~CZpConfigDlg();
    CZpConfigDlg(const CZpConfigDlg&) = delete;
    CZpConfigDlg& operator=(const CZpConfigDlg&) = delete;

    // Runs the dialog until it is closed.
    void run(HINSTANCE instance);

    bool checked(int id) const override;
    void setChecked(int id, bool checked) override;
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    int selection(int id) const override;
    void setSelection(int id, int index) override;
    void setEnabled(int id, bool enabled) override;
    void focus(int id) override;
    void showMessage(const std::string& text, const std::string& title,
                     tunedesk::MessageKind kind) override;
    void startTimer(tunedesk::DialogTimer timer, int milliseconds) override;
    void stopTimer(tunedesk::DialogTimer timer) override;
    void close() override;
    HWND windowHandle() const override { return window_; }

private:
    static INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    static LRESULT CALLBACK fieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR id, DWORD_PTR dialog);
    static LRESULT CALLBACK linkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR dialog);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void initialise();
    void drawLogo(const DRAWITEMSTRUCT& item) const;

    tunedesk::PlatformServices& services_;
    HWND window_ = nullptr;
    HFONT boldFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    std::unique_ptr<tunedesk::ConfigDialogModel> model_;
};
