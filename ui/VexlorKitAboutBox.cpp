// The About box: the program's name as a picture, its version and the maker's notice.
#include "VexlorKitAboutBox.h"

#include "VexlorKitTitlePicture.h"
#include "WindowFrame.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// A label of 19-pixel text centred in its designed box. Where the desktop's font
// needs more width than the box gives, the box grows evenly on both sides, so the
// text stays whole and centred where it was designed to be.
QLabel *CentredLabel(const QString &text, const QRect &designed, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = QApplication::font();
    font.setPixelSize(19);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);

    const int needed = label->fontMetrics().horizontalAdvance(text) + 4;
    const int width = qMax(designed.width(), needed);
    const int left = designed.x() + (designed.width() - width) / 2;
    label->setGeometry(left, designed.y(), width, designed.height());
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About VexlorKit..."));
    setFixedSize(473, 178);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 457, 57);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    Panel1->setAutoFillBackground(true);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(QRect(QPoint(11, 8), TitlePictureSize));
    ProgramIcon->setPixmap(DrawTitlePicture());
    ProgramIcon->setScaledContents(true);

    Version = CentredLabel(QStringLiteral("Version 1.1"), QRect(189, 72, 95, 24), this);
    Version->setObjectName(QStringLiteral("Version"));

    MakerLabel = CentredLabel(QStringLiteral("Made by the VexlorKit developers"),
                              QRect(86, 112, 302, 24), this);
    MakerLabel->setObjectName(QStringLiteral("MakerLabel"));

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(199, 144, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    // Centred anew at every showing, on the screen of the owner's window.
    QScreen *screen = parentWidget() ? parentWidget()->window()->screen()
                                     : QGuiApplication::primaryScreen();
    const QRect outer = QRect(QPoint(), size()).marginsAdded(ExpectedFrameMargins(parentWidget()));
    QRect placed = outer;
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
    QDialog::showEvent(event);
}
