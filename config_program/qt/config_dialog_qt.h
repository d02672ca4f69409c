// Tunedesk's dialog on Qt Widgets: the controls of dialog_layout.def placed by their dialog
// units at the platform's font, each named by its resource number, and forwarded to the model.
#pragma once

#include "config_program/model/config_dialog.h"

#include <QDialog>
#include <QMap>

class QTimer;

class CZpConfigDlg : public QDialog, public tunedesk::DialogView {
    Q_OBJECT
public:
    CZpConfigDlg(tunedesk::PlatformServices& services, QWidget* parent = nullptr);
    ~CZpConfigDlg() override;

    // The dialog's initialisation (file, sounds, intro, blinking); before exec.
    void start();
    tunedesk::ConfigDialogModel& model() { return model_; }

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
    HWND windowHandle() const override;

public slots:
    // Escape, the window's close button and the desktop's end: as "Cancel and exit".
    void reject() override;

private:
    void buildControls();
    QWidget* control(int id) const;
    QTimer* timerFor(tunedesk::DialogTimer timer);

    QMap<int, QWidget*> controls_;
    QMap<int, QTimer*> timers_;
    tunedesk::ConfigDialogModel model_;
};
