#include "dialogs/CAboutDlg.h"

#include "controls/CSoundButton.h"
#include "platform/widgets/DialogUnits.h"
#include "platform/widgets/ResourceImages.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace
{
// Size of the dialog, in dialog units.
constexpr int WidthDu = 159;
constexpr int HeightDu = 162;
constexpr int PictureId = 222;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
    , m_picture(ResourceImages::bitmap(PictureId))
{
    setWindowTitle(tr("About Grocelle"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(DialogUnits::toPixelsX(WidthDu), DialogUnits::toPixelsY(HeightDu));

    // Below the picture and across the dialog, on two lines where a
    // language needs them.
    m_notice = new QLabel(noticeText(), this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setGeometry(DialogUnits::toPixels(5, 112, WidthDu - 10, 24));

    m_ok = new CSoundButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_ok->SetBitmaps(200, 201, 200, CSoundButton::NaturalSize, false, 4);
    // Centred where the handheld had it, as wide as its caption needs.
    QRect ok = DialogUnits::toPixels(60, 137, 25, 13);
    ok.setWidth(std::max(ok.width(), m_ok->sizeHint().width()));
    ok.moveCenter(QPoint(DialogUnits::toPixelsX(WidthDu) / 2, ok.center().y()));
    m_ok->setGeometry(ok);
    connect(m_ok, &QAbstractButton::clicked, this, &QDialog::accept);
}

CAboutDlg::~CAboutDlg() = default;

QString CAboutDlg::versionText()
{
    return tr("version %1").arg(QStringLiteral(GROCELLE_VERSION));
}

QString CAboutDlg::noticeText()
{
    return tr("\u00A9 2026 Velmora. Made for people who shop.");
}

QRect CAboutDlg::versionRect()
{
    return QRect(QPoint(DialogUnits::px(94), DialogUnits::px(100)),
                 QPoint(DialogUnits::px(200) - 1, DialogUnits::px(318) - 1));
}

QPoint CAboutDlg::pictureOrigin()
{
    return DialogUnits::toPixels(5, 1, 147, 110).topLeft();
}

void CAboutDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    // The picture is painted here rather than by a child label so that the
    // version line, which lies inside it, is drawn on top.
    painter.drawPixmap(pictureOrigin(), m_picture);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(versionRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, versionText());
}
