#include "dialogs/about_form.h"

#include "dialogs/desktop_launcher.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>
#include <utility>

namespace skarvion {
namespace {

constexpr int LogoWidth = 340;
constexpr int LogoHeight = 116;

// A label that reports a left click and shows the hand cursor.
class ClickableLabel : public QLabel {
  public:
    ClickableLabel(const QString& text, std::function<void()> onClick, QWidget* parent)
        : QLabel(text, parent), onClick_(std::move(onClick)) {
        setCursor(Qt::PointingHandCursor);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        QPalette linkColours = palette();
        linkColours.setColor(QPalette::WindowText, linkColours.color(QPalette::Link));
        setPalette(linkColours);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick_();
        QLabel::mouseReleaseEvent(event);
    }

  private:
    std::function<void()> onClick_;
};

// The product's word mark on the window colour.
QPixmap logoPixmap(const QPalette& palette) {
    QPixmap logo(LogoWidth, LogoHeight);
    logo.fill(palette.color(QPalette::Window));
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::Highlight));
    painter.drawRoundedRect(QRectF(8, 18, 80, 80), 16, 16);
    painter.setPen(palette.color(QPalette::HighlightedText));
    QFont mark = painter.font();
    mark.setBold(true);
    mark.setPixelSize(56);
    painter.setFont(mark);
    painter.drawText(QRectF(8, 18, 80, 80), Qt::AlignCenter, QStringLiteral("S"));
    painter.setPen(palette.color(QPalette::WindowText));
    mark.setPixelSize(34);
    painter.setFont(mark);
    painter.drawText(QRectF(100, 18, 232, 80), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Skarvion"));
    return logo;
}

QLabel* textLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

QString TAboutForm::supportMailAddress() {
    return QStringLiteral("support@skarvion.example");
}

QString TAboutForm::webAddress() {
    return QStringLiteral("https://www.skarvion.example");
}

TAboutForm::TAboutForm(DesktopLauncher& launcher, QWidget* parent)
    : QDialog(parent), launcher_(launcher) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About"));

    auto* logo = textLabel(QString(), QStringLiteral("ImageLogo"), this);
    logo->setPixmap(logoPixmap(palette()));
    logo->setFixedSize(LogoWidth, LogoHeight);

    auto* product = textLabel(QStringLiteral("Skarvion PRO"), QStringLiteral("LabelProduct"), this);
    QFont productFont = product->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.4);
    product->setFont(productFont);

    auto* mail = new ClickableLabel(
        supportMailAddress(),
        [this] { launcher_.openUrl(QUrl(QStringLiteral("mailto:") + supportMailAddress())); },
        this);
    mail->setObjectName(QStringLiteral("LabelMail"));
    auto* web = new ClickableLabel(
        webAddress(), [this] { launcher_.openUrl(QUrl(webAddress())); }, this);
    web->setObjectName(QStringLiteral("LabelWeb"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addWidget(product);
    layout->addWidget(
        textLabel(QStringLiteral("Version 6.2x.02"), QStringLiteral("LabelVersion"), this));
    layout->addWidget(textLabel(QStringLiteral("\u00a9 2004-2025 Skarvion Systems"),
                                QStringLiteral("LabelCopyright"), this));
    layout->addWidget(mail);
    layout->addWidget(web);
    layout->addWidget(textLabel(QStringLiteral("Для версий 2050 5.20-5.29, 6.20-6.29, 7.20-7.29"),
                                QStringLiteral("LabelDeviceVersions"), this));
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace skarvion
