#include "app/frmintro.h"

#include "ui/kit/euro.h"
#include "ui/kit/settings.h"
#include "ui/kit/twips.h"
#include "ui/kit/version.h"
#include "tape/clock.h"
#include "platform/topmost.h"
#include "ui/kit/windowkit.h"
#include "ui/kit/zoom.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {
// The card's client area, and its outline: 2 pixels of black, inset on the white client area.
constexpr double CardWidth = 4230, CardHeight = 1665;
constexpr double OutlineLeft = 120, OutlineTop = 120, OutlineWidth = 3975, OutlineHeight = 1455;
constexpr int OutlinePen = 2;
} // namespace

FrmIntro::FrmIntro(std::function<void()> openMainWindow, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
    , m_openMainWindow(std::move(openMainWindow))
{
    // Nothing here asks for a font: the card can be on screen before the font database is
    // read, as a bare window is; its load lays out the texts before the first paint.
    setObjectName(QStringLiteral("frmIntro"));
    setWindowTitle(QString());
    // Like the calculator, the card opens at the zoom kept from the last run, or at the
    // largest step below it that fits this screen; the card has no frame.
    const QScreen *onScreen = screen();
    Euro::setZoomPercent(Euro::largestZoomThatFits(Euro::zoomPercent(), QSizeF(CardWidth, CardHeight), QMargins(),
                                                   onScreen ? onScreen->availableGeometry().size() : QSize()));
    setFixedSize(Euro::twipsSize(CardWidth, CardHeight));
    Euro::useDesignPalette(this);
    Euro::setColours(this, Qt::black, Qt::white);

    Label1 = new QLabel(QStringLiteral("PECUNIO"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    lblVersion = new QLabel(QStringLiteral("Version"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblVersion->setToolTip(QStringLiteral("Numéro de version"));

    // Sized by the load: a label shown without a size would measure its text there and then.
    for (QLabel *label : {Label1, lblVersion})
        label->resize(0, 0);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &FrmIntro::Timer1_Timer);
}

void FrmIntro::layOutTexts()
{
    setFont(Euro::designFont(QStringLiteral("MS Sans Serif"), 8.25, false, Euro::FontStandIn::ArialWhenUnfit));
    Label1->setFont(Euro::designFont(QStringLiteral("Arial"), 14.25, true));
    Label1->move(Euro::twipsPoint(840, 600));
    Label1->adjustSize();
    // The version grows to the left: its right edge stays where the design's "Version" put it.
    lblVersion->move(Euro::twipsPoint(3000, 960));
    lblVersion->adjustSize();
    const int right = lblVersion->geometry().right();
    lblVersion->setText(Euro::versionCaption());
    lblVersion->adjustSize();
    lblVersion->move(right - lblVersion->width() + 1, lblVersion->y());
}

void FrmIntro::centreOnScreen()
{
    Euro::centreOnScreen(this); // the card has no frame
}

void FrmIntro::Form_Load()
{
    Timer1.start();
    layOutTexts();
    Euro::SetTopMost(this, true); // the card is made on top already: this only confirms it
    Euro::initialiseSettings(Euro::AppName(), Euro::Now().date(), Euro::AppFolder());
}

void FrmIntro::Timer1_Timer()
{
    ++TickCount;
    if (TickCount == 2)
        close();
}

void FrmIntro::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Timer1.stop();
    if (m_openMainWindow)
        m_openMainWindow();
}

void FrmIntro::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void FrmIntro::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The window's fixed single-line border: the card has no title bar, so no frame of the
    // desktop's draws it.
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    p.setPen(QPen(Qt::black, OutlinePen));
    p.setBrush(Qt::NoBrush);
    // A pen of 2 centred on the outline: shift by half its width so both pixels fall inside.
    const QRect r = Euro::twipsRect(OutlineLeft, OutlineTop, OutlineWidth, OutlineHeight);
    p.drawRect(QRectF(r).adjusted(OutlinePen / 2.0, OutlinePen / 2.0, -OutlinePen / 2.0, -OutlinePen / 2.0));
}
