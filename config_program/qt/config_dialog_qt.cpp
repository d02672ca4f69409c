#include "config_program/qt/config_dialog_qt.h"

#include "config_program/model/dialog_ids.h"
#include "config_program/model/dialog_values.h"
#include "config_program/qt/label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

namespace {
constexpr int dialogWidthDlu = 508;
constexpr int dialogHeightDlu = 361;
// A drop-down's closed height; the layout's height includes the open list.
constexpr int dropDownHeightDlu = 12;

// Dialog units at the dialog's font, as Windows measures them: a quarter of the average
// character width across, an eighth of the character height down.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        baseX_ = (metrics.horizontalAdvance(alphabet) / 26.0 + 1.0) / 2.0;
        baseY_ = metrics.height();
    }
    QRect rect(int x, int y, int w, int h) const {
        return QRect(across(x), down(y), across(x + w) - across(x), down(y + h) - down(y));
    }
    int across(int dlu) const { return static_cast<int>(dlu * baseX_ / 4.0 + 0.5); }
    int down(int dlu) const { return static_cast<int>(dlu * baseY_ / 8.0 + 0.5); }

private:
    double baseX_ = 6.0;
    double baseY_ = 13.0;
};

// Digits only, and the one decimal point of the factor's field, typed or pasted.
class FieldValidator : public QValidator {
public:
    FieldValidator(int editId, QObject* parent) : QValidator(parent), editId_(editId) {}
    State validate(QString& input, int&) const override {
        std::string before;
        for (QChar c : input) {
            const char typed = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '?';
            if (!tunedesk::acceptsCharacter(editId_, before, typed))
                return Invalid;
            before += typed;
        }
        return Acceptable;
    }

private:
    int editId_;
};

QPixmap logo(const QSize& size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0.0, QColor(8, 16, 48));
    sky.setColorAt(1.0, QColor(40, 70, 140));
    painter.fillRect(picture.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 170, 60), 2));
    for (int ring = 1; ring <= 3; ++ring) {
        const int radius = ring * size.height() / 8;
        painter.drawArc(QRect(size.width() - size.height() / 2 - radius, size.height() / 2 - radius,
                              2 * radius, 2 * radius),
                        -60 * 16, 120 * 16);
    }
    QFont title = painter.font();
    title.setPointSizeF(title.pointSizeF() * 2.2);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect().adjusted(size.height() / 4, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, "Zephyrin");
    return picture;
}
} // namespace

CZpConfigDlg::CZpConfigDlg(tunedesk::PlatformServices& services, QWidget* parent)
    : QDialog(parent), model_(*this, services) {
    setWindowTitle(tunedesk::dialogTitle);
    setObjectName(QString::number(IDD_ZPCONFIG_DIALOG));
    buildControls();
}

CZpConfigDlg::~CZpConfigDlg() = default;

void CZpConfigDlg::buildControls() {
    const DialogUnits units(font());
    setFixedSize(units.across(dialogWidthDlu), units.down(dialogHeightDlu));
    auto place = [this, &units](QWidget* widget, int id, int x, int y, int w, int h) {
        widget->setGeometry(units.rect(x, y, w, h));
        if (id != -1) {
            widget->setObjectName(QString::number(id));
            controls_[id] = widget;
        }
    };
    auto forward = [this](int id) { model_.command(id); };

#define DLG_GROUP(text, x, y, w, h) place(new QGroupBox(text, this), -1, x, y, w, h);
#define DLG_LABEL(id, text, x, y, w, h)                                                            \
    {                                                                                              \
        auto* label = new CLabel(text, this);                                                      \
        label->setWordWrap(h > 10);                                                                \
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);                                         \
        place(label, id, x, y, w, h);                                                              \
    }
#define DLG_CHECK(id, text, x, y, w, h)                                                            \
    {                                                                                              \
        auto* check = new QCheckBox(text, this);                                                   \
        connect(check, &QCheckBox::clicked, this, [forward] { forward(id); });                     \
        place(check, id, x, y, w, h);                                                              \
    }
#define DLG_NUMBER(id, x, y, w, h)                                                                 \
    {                                                                                              \
        auto* edit = new QLineEdit(this);                                                          \
        edit->setAlignment(Qt::AlignCenter);                                                       \
        edit->setValidator(new FieldValidator(id, edit));                                          \
        place(edit, id, x, y, w, h);                                                               \
    }
#define DLG_BUTTON(id, text, x, y, w, h)                                                           \
    {                                                                                              \
        auto* button = new QPushButton(text, this);                                                \
        button->setAutoDefault(false);                                                             \
        connect(button, &QPushButton::clicked, this, [forward] { forward(id); });                  \
        place(button, id, x, y, w, h);                                                             \
    }
#define DLG_DEFAULT_BUTTON(id, text, x, y, w, h)                                                   \
    DLG_BUTTON(id, text, x, y, w, h)                                                               \
    static_cast<QPushButton*>(controls_[id])->setDefault(true);
#define DLG_DROPDOWN(id, x, y, w, h)                                                               \
    {                                                                                              \
        auto* list = new QComboBox(this);                                                          \
        for (const char* mode : mp3ModeTexts)                                                      \
            list->addItem(mode);                                                                   \
        place(list, id, x, y, w, dropDownHeightDlu);                                               \
    }
#define DLG_PICTURE(id, x, y, w, h)                                                                \
    {                                                                                              \
        auto* picture = new QLabel(this);                                                          \
        place(picture, id, x, y, w, h);                                                            \
        picture->setPixmap(logo(picture->size()));                                                 \
    }
#include "config_program/model/dialog_layout.def"

    auto* warning = static_cast<CLabel*>(controls_[IDC_WARNINGTEXT]);
    warning->setBold();
    auto* link = static_cast<CLabel*>(controls_[IDC_LINK]);
    link->setLink();
    connect(link, &CLabel::pressed, this, [forward] { forward(IDC_LINK); });
}

void CZpConfigDlg::start() {
    model_.start();
}

QWidget* CZpConfigDlg::control(int id) const {
    return controls_.value(id, nullptr);
}

bool CZpConfigDlg::checked(int id) const {
    const auto* check = qobject_cast<const QCheckBox*>(control(id));
    return check != nullptr && check->isChecked();
}

void CZpConfigDlg::setChecked(int id, bool isChecked) {
    if (auto* check = qobject_cast<QCheckBox*>(control(id)))
        check->setChecked(isChecked);
}

std::string CZpConfigDlg::text(int id) const {
    QWidget* widget = control(id);
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text().toStdString();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().toStdString();
    return {};
}

void CZpConfigDlg::setText(int id, const std::string& text) {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(QString::fromStdString(text));
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(QString::fromStdString(text));
}

int CZpConfigDlg::selection(int id) const {
    const auto* list = qobject_cast<const QComboBox*>(control(id));
    return list != nullptr ? list->currentIndex() : -1;
}

void CZpConfigDlg::setSelection(int id, int index) {
    if (auto* list = qobject_cast<QComboBox*>(control(id)))
        list->setCurrentIndex(index);
}

void CZpConfigDlg::setEnabled(int id, bool enabled) {
    if (QWidget* widget = control(id))
        widget->setEnabled(enabled);
}

void CZpConfigDlg::focus(int id) {
    if (QWidget* widget = control(id)) {
        widget->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            edit->selectAll();
    }
}

void CZpConfigDlg::showMessage(const std::string& text, const std::string& title,
                               tunedesk::MessageKind kind) {
    const QMessageBox::Icon icon = kind == tunedesk::MessageKind::error ? QMessageBox::Critical
                                   : kind == tunedesk::MessageKind::warning
                                       ? QMessageBox::Warning
                                       : QMessageBox::Information;
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, this);
    box.exec();
}

QTimer* CZpConfigDlg::timerFor(tunedesk::DialogTimer which) {
    const int key = static_cast<int>(which);
    if (!timers_.contains(key)) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, which] { model_.timer(which); });
        timers_[key] = timer;
    }
    return timers_[key];
}

void CZpConfigDlg::startTimer(tunedesk::DialogTimer which, int milliseconds) {
    timerFor(which)->start(milliseconds);
}

void CZpConfigDlg::stopTimer(tunedesk::DialogTimer which) {
    timerFor(which)->stop();
}

void CZpConfigDlg::close() {
    for (QTimer* timer : timers_)
        timer->stop();
    QDialog::done(QDialog::Accepted);
}

HWND CZpConfigDlg::windowHandle() const {
    return reinterpret_cast<HWND>(winId());
}

void CZpConfigDlg::reject() {
    model_.cancel();
}
