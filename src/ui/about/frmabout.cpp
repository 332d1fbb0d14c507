#include "ui/about/frmabout.h"

#include "ui/kit/euro.h"
#include "ui/kit/resources.h"
#include "ui/kit/twips.h"
#include "ui/kit/version.h"
#include "ui/kit/messageboxes.h"
#include "platform/systeminfo.h"
#include "platform/topmost.h"
#include "ui/kit/windowplacement.h"
#include "ui/kit/windowkit.h"

#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>

namespace {

// Client area, in twips.
constexpr double FormWidth = 5730, FormHeight = 3195;

// The etched separator: a grey line with a white one of width 2 just below it.
constexpr double EtchGreyLeft = 90, EtchGreyTop = 2085;
constexpr double EtchWhiteLeft = 105, EtchWhiteTop = 2100;
constexpr double EtchRight = 5654;
constexpr QRgb EtchGrey = 0x808080, EtchWhite = 0xFFFFFF;

QFont sansSerif(double points, bool bold = false)
{
    return Euro::designFont(QStringLiteral("MS Sans Serif"), points, bold, Euro::FontStandIn::ArialWhenUnfit);
}

// Captions of the dialog: black, from their top left corner.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, double left, double top, double width,
                  double height)
{
    QLabel *label = Euro::makeLabel(parent, QString::fromLatin1(name), caption, left, top, width, height,
                                    Qt::AlignLeft | Qt::AlignTop);
    Euro::setColours(label, Qt::black);
    return label;
}

} // namespace

FrmAbout::FrmAbout(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    Euro::useDesignPalette(this);
    // A fixed-size dialog frame: no minimize and no maximize box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(Euro::twipsSize(FormWidth, FormHeight));
    setFont(sansSerif(8.25));
    createControls();
    Form_Load();
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::createControls()
{
    picIcon = makeLabel(this, "picIcon", QString(), 240, 240, 480, 480);
    // The design's 32 pixels, at the zoom in force.
    picIcon->setPixmap(Euro::coinIcon().pixmap(Euro::twipsSize(480, 480)));

    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Titre de l'application"), 1020, 240, 2850, 360);
    lblTitle->setFont(sansSerif(13.5, true));

    lblVersion = makeLabel(this, "lblVersion", QStringLiteral("Version"), 1050, 720, 525, 195);

    lblDescription[0] =
        makeLabel(this, "lblDescription(0)", QStringLiteral("Description de l'application"), 1080, 1125, 1890, 195);
    lblDescription[1] = makeLabel(this, "lblDescription(1)",
                                  QStringLiteral("Calculez et convertissez en Euro toutes les monnaies européennes"),
                                  1080, 1440, 3705, 495);
    lblDescription[1]->setFont(sansSerif(9.75));
    lblDescription[1]->setWordWrap(true);

    lblAvertissement[0] =
        makeLabel(this, "lblAvertissement(0)", QStringLiteral("Avertissement:"), 240, 2220, 1035, 195);
    lblAvertissement[1] = makeLabel(
        this, "lblAvertissement(1)",
        QStringLiteral("Pecunio est distribué gratuitement, tel quel et sans aucune garantie. Seuls les taux "
                       "officiels de conversion font foi : vérifiez les montants importants. Pouvoir d'achat — "
                       "Source : Insee, indice des prix à la consommation."),
        240, 2460, 3855, 675);
    QFont smallPrint = Euro::designFont(QStringLiteral("MS Serif"), 6.75, false, Euro::FontStandIn::ArialWhenUnfit);
    smallPrint.setStyleHint(QFont::Serif);
    lblAvertissement[1]->setFont(smallPrint);
    lblAvertissement[1]->setWordWrap(true);

    cmdOK = Euro::place(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"), 4245, 2265, 1260, 345);
    cmdOK->setDefault(true); // Enter; Esc closes the dialog the same way
    cmdSysInfo = Euro::place(new QPushButton(QStringLiteral("&Infos système..."), this), QStringLiteral("cmdSysInfo"),
                             4260, 2715, 1245, 345);
    cmdSysInfo->setAutoDefault(false);

    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);
    cmdOK->setFocus();
}

void FrmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("À propos de ") + Euro::appTitle());
    lblVersion->setText(Euro::versionCaption());
    lblVersion->adjustSize(); // the label grows with its text
    lblTitle->setText(Euro::appTitle());

    // Centred on the screen by its outer size, frame included, as the calculator window is.
    Euro::centreOnScreen(this, Euro::FixedFrameWidthTwips, Euro::FixedFrameHeightTwips);
    Euro::SetTopMost(this, true);
}

void FrmAbout::cmdOK_Click() { accept(); }

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::StartSysInfo()
{
    // The tool runs on its own, with its own window; nothing waits for it.
    const std::optional<Euro::SystemInfoTool> tool = Euro::findSystemInfoTool();
    if (tool && QProcess::startDetached(tool->program, tool->arguments))
        return;
    Euro::MsgBox(QStringLiteral("Les informations système ne sont pas disponibles actuellement"), Euro::vbOKOnly,
                 Euro::appTitle());
}

void FrmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QPoint greyFrom = Euro::twipsPoint(EtchGreyLeft, EtchGreyTop);
    const QPoint whiteFrom = Euro::twipsPoint(EtchWhiteLeft, EtchWhiteTop);
    const int right = Euro::twipsToPixels(EtchRight);
    painter.setPen(QPen(QColor(EtchGrey), 1));
    painter.drawLine(greyFrom, QPoint(right, greyFrom.y()));
    // A 2-pixel pen is centred on its line: draw it half a pixel down so it covers the row
    // under the grey line and the next one.
    painter.setPen(QPen(QColor(EtchWhite), 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(whiteFrom.x(), whiteFrom.y() + 1.0), QPointF(right, whiteFrom.y() + 1.0));
}
