#include "ui/panels/KestColorArea.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/DialogKeys.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/panels/DefaultColorArea.h"
#include "ui/panels/HColorArea.h"
#include "ui/panels/PanelStyle.h"
#include "ui/panels/PreviewColorArea.h"
#include "ui/panels/SVColorArea.h"
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <cctype>
#include <cmath>

namespace {
constexpr int kWidth = 400;
constexpr int kHeight = 296;
constexpr int kHexDigits = 6;

const QColor kPresets[KestColorArea::PRESET_COUNT] = {
    QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(0, 255, 255),
    QColor(255, 255, 0), QColor(255, 0, 255), QColor(255, 255, 255),
};

const char kButtonStyle[] =
    "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);                        "
    "border-radius: 3px;  border: 1px rgb(%1, %2, %3);                        border-style: outset;}";

// Unscaled places in the 400 x 296 dialog.
const QRect kCaptionPlace(24, 14, 240, 26);
const QPoint kSvPlace(24, 52);
const QPoint kHuePlace(162, 52);
const QRect kPreviewPlace(206, 52, 170, 34);
constexpr int kSpinTop = 98;
constexpr int kSpinStep = 28;
constexpr int kSpinHeight = 24;
const QRect kHashPlace(206, 188, 16, 24);
const QRect kHexPlace(224, 188, 152, 24);
constexpr int kPresetTop = 194;
constexpr int kPresetSize = 20;
constexpr int kPresetStep = 24;
const QRect kYesPlace(84, 244, 104, 30);
const QRect kNoPlace(212, 244, 104, 30);

QString hexOf(const QColor &color)
{
    return QString("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}
} // namespace

const QColor &KestColorArea::presetColor(int index)
{
    return kPresets[qBound(0, index, PRESET_COUNT - 1)];
}

QString KestColorArea::completeHex(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (digits.size() < kHexDigits && std::isxdigit(static_cast<unsigned char>(c.toLatin1())))
            digits += c.toUpper();
    }
    // Digits are read left to right as RR GG BB; what is missing is zero.
    return digits.leftJustified(kHexDigits, QLatin1Char('0'));
}

KestColorArea::KestColorArea(QWidget *parent, double scale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_scale(scale)
{
    setObjectName("colorEditor");
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    m_background = skinPixmap("dlg.png");

    m_caption = new QLabel(this);
    m_caption->setObjectName("colorCaption");
    applyStyleSheet(m_caption, "color: rgb(225,225,225)");

    m_svArea = new SVColorArea(this);
    m_hueArea = new HColorArea(this);
    m_preview = new PreviewColorArea(this);

    m_hCaption = makeCaption();
    m_sCaption = makeCaption();
    m_vCaption = makeCaption();
    m_rCaption = makeCaption();
    m_gCaption = makeCaption();
    m_bCaption = makeCaption();
    m_hSpin = makeSpinBox("hSpin", 360);
    m_sSpin = makeSpinBox("sSpin", 255);
    m_vSpin = makeSpinBox("vSpin", 255);
    m_rSpin = makeSpinBox("rSpin", 255);
    m_gSpin = makeSpinBox("gSpin", 255);
    m_bSpin = makeSpinBox("bSpin", 255);

    m_hashLabel = new QLabel(QStringLiteral("#"), this);
    m_hashLabel->setAlignment(Qt::AlignCenter);
    applyStyleSheet(m_hashLabel, "color: rgb(225,225,225)");
    m_hexEdit = new QLineEdit(this);
    m_hexEdit->setObjectName("hexEdit");
    m_hexEdit->setMaxLength(kHexDigits);
    m_hexEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{0,6}"), m_hexEdit));

    for (int i = 0; i < PRESET_COUNT; ++i) {
        m_presets[i] = new DefaultColorArea(kPresets[i], this);
        m_presets[i]->setObjectName(QString("preset%1").arg(i));
        connect(m_presets[i], SIGNAL(ClickedSignal()), this, SLOT(color_clicked()));
    }

    m_yesButton = makeButton("msgBoxYesBtn", ":/yes_Btn");
    m_noButton = makeButton("msgBoxNoBtn", ":/no_Btn");
    connect(m_yesButton, &QToolButton::released, this, &QDialog::accept);
    connect(m_noButton, &QToolButton::released, this, &QDialog::reject);

    connect(m_hueArea, SIGNAL(hueChangedSignal(int)), m_svArea, SLOT(hueChangedSlot(int)));
    connect(m_svArea, SIGNAL(svChangedSignal(int, int, int)), m_preview, SLOT(svChangedSlot(int, int, int)));
    connect(m_preview, SIGNAL(svChangedSignal(int, int, int)), this, SLOT(updateEditData(int, int, int)));
    connect(m_hexEdit, SIGNAL(textEdited(const QString &)), this, SLOT(editChangedSlot(const QString &)));
    connect(m_hexEdit, SIGNAL(editingFinished()), this, SLOT(editFinishedSlot()));
    connect(m_hSpin, SIGNAL(valueChanged(int)), this, SLOT(hValueChangedSlot(int)));
    connect(m_sSpin, SIGNAL(valueChanged(int)), this, SLOT(sValueChangedSlot(int)));
    connect(m_vSpin, SIGNAL(valueChanged(int)), this, SLOT(vValueChangedSlot(int)));
    connect(m_rSpin, SIGNAL(valueChanged(int)), this, SLOT(rValueChangedSlot(int)));
    connect(m_gSpin, SIGNAL(valueChanged(int)), this, SLOT(gValueChangedSlot(int)));
    connect(m_bSpin, SIGNAL(valueChanged(int)), this, SLOT(bValueChangedSlot(int)));
    connect(m_hueArea, SIGNAL(mouseReleaseSignal()), this, SLOT(MouseReleaseSlot()));
    connect(m_svArea, SIGNAL(mouseReleaseSignal()), this, SLOT(MouseReleaseSlot()));

    retranslate();
    layoutFor(scale);
    setColor(Qt::white);
    // Typing a code is the quickest way in; the field takes the keys first.
    m_hexEdit->setFocus();
}

QSpinBox *KestColorArea::makeSpinBox(const char *objectName, int maximum)
{
    auto *spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(objectName));
    spin->setRange(0, maximum);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return spin;
}

QLabel *KestColorArea::makeCaption()
{
    auto *label = new QLabel(this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyStyleSheet(label, "color: rgb(200,200,206)");
    return label;
}

QToolButton *KestColorArea::makeButton(const char *objectName, const QString &icon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setFocusPolicy(Qt::StrongFocus);
    // The icons are optional resources; without one the text stays centred.
    if (QFile::exists(icon)) {
        button->setIcon(QIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

void KestColorArea::retranslate()
{
    setWindowTitle(tr("Color Edit"));
    m_caption->setText(tr("COLOR"));
    m_hCaption->setText(tr("H "));
    m_sCaption->setText(tr("S "));
    m_vCaption->setText(tr("V "));
    m_rCaption->setText(tr("R "));
    m_gCaption->setText(tr("G "));
    m_bCaption->setText(tr("B "));
    m_yesButton->setText(tr("APPLY"));
    m_noButton->setText(tr("Cancel"));
}

void KestColorArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void KestColorArea::layoutFor(double scale)
{
    const auto s = [scale](const QRect &r) {
        return QRect(int(std::lround(r.x() * scale)), int(std::lround(r.y() * scale)),
                     int(std::lround(r.width() * scale)), int(std::lround(r.height() * scale)));
    };
    setFixedSize(int(std::lround(kWidth * scale)), int(std::lround(kHeight * scale)));
    m_caption->setGeometry(s(kCaptionPlace));
    m_caption->setFont(languageFont(18));
    m_svArea->setScale(scale);
    m_svArea->move(s(QRect(kSvPlace, QSize())).topLeft());
    m_hueArea->setScale(scale);
    m_hueArea->move(s(QRect(kHuePlace, QSize())).topLeft());
    m_preview->setGeometry(s(kPreviewPlace));

    QLabel *captions[] = {m_hCaption, m_sCaption, m_vCaption, m_rCaption, m_gCaption, m_bCaption};
    QSpinBox *spins[] = {m_hSpin, m_sSpin, m_vSpin, m_rSpin, m_gSpin, m_bSpin};
    const QColor accent = themeColor();
    const QString fields = fieldStyleSheet(accent, scale);
    const QFont font = languageFont();
    for (int i = 0; i < 6; ++i) {
        const int column = i / 3;
        const int y = kSpinTop + (i % 3) * kSpinStep;
        const int x = 206 + column * 88;
        captions[i]->setGeometry(s(QRect(x, y, 28, kSpinHeight)));
        captions[i]->setFont(font);
        spins[i]->setGeometry(s(QRect(x + 28, y, 54, kSpinHeight)));
        applyStyleSheet(spins[i], fields);
        spins[i]->setFont(font);
    }
    m_hashLabel->setGeometry(s(kHashPlace));
    m_hashLabel->setFont(font);
    m_hexEdit->setGeometry(s(kHexPlace));
    applyStyleSheet(m_hexEdit, fields);
    QFont hexFont = font;
    hexFont.setPixelSize(qMax(1, int(std::lround(14 * scale))));
    m_hexEdit->setFont(hexFont);
    for (int i = 0; i < PRESET_COUNT; ++i)
        m_presets[i]->setGeometry(s(QRect(24 + i * kPresetStep, kPresetTop, kPresetSize, kPresetSize)));

    const QString buttonStyle = QString::fromLatin1(kButtonStyle).arg(accent.red()).arg(accent.green()).arg(accent.blue());
    for (QToolButton *button : {m_yesButton, m_noButton}) {
        applyStyleSheet(button, buttonStyle);
        button->setFont(font);
    }
    m_yesButton->setGeometry(s(kYesPlace));
    m_noButton->setGeometry(s(kNoPlace));
}

QSpinBox *KestColorArea::spinBox(char channel) const
{
    switch (channel) {
    case 'H': return m_hSpin;
    case 'S': return m_sSpin;
    case 'V': return m_vSpin;
    case 'R': return m_rSpin;
    case 'G': return m_gSpin;
    case 'B': return m_bSpin;
    default: return nullptr;
    }
}

DefaultColorArea *KestColorArea::preset(int index) const
{
    return index >= 0 && index < PRESET_COUNT ? m_presets[index] : nullptr;
}

QColor KestColorArea::color() const
{
    return m_preview->newColor();
}

QString KestColorArea::hexText() const
{
    return m_hexEdit->text();
}

void KestColorArea::setColor(const QColor &color)
{
    const QColor c = color.isValid() ? color.toRgb() : QColor(Qt::white);
    m_preview->setOldColor(c);
    showColor(c, FromOutside);
}

void KestColorArea::showColor(const QColor &color, Source source, int hue)
{
    // A grey has no hue of its own: it keeps the one the editors show.
    if (hue < 0)
        hue = color.hsvHue() >= 0 ? color.hsvHue() : m_hueArea->hue();
    const int saturation = color.hsvSaturation();
    const int value = color.value();
    const QSignalBlocker bh(m_hSpin), bs(m_sSpin), bv(m_vSpin), br(m_rSpin), bg(m_gSpin), bb(m_bSpin), be(m_hexEdit);
    if (source != FromHsv) {
        m_hSpin->setValue(hue);
        m_sSpin->setValue(saturation);
        m_vSpin->setValue(value);
    }
    if (source != FromRgb) {
        m_rSpin->setValue(color.red());
        m_gSpin->setValue(color.green());
        m_bSpin->setValue(color.blue());
    }
    if (source != FromHex)
        m_hexEdit->setText(hexOf(color));
    if (source != FromAreas) {
        m_hueArea->setHue(hue);
        m_svArea->setColor(QColor::fromHsv(hue % 360, saturation, value));
        m_preview->setNewColor(color.toRgb());
    }
}

void KestColorArea::fromHsvSpins()
{
    const int hue = m_hSpin->value() % 360;
    showColor(QColor::fromHsv(hue, m_sSpin->value(), m_vSpin->value()), FromHsv, hue);
}

void KestColorArea::fromRgbSpins()
{
    showColor(QColor(m_rSpin->value(), m_gSpin->value(), m_bSpin->value()), FromRgb);
}

void KestColorArea::hValueChangedSlot(int)
{
    fromHsvSpins();
}

void KestColorArea::sValueChangedSlot(int)
{
    fromHsvSpins();
}

void KestColorArea::vValueChangedSlot(int)
{
    fromHsvSpins();
}

void KestColorArea::rValueChangedSlot(int)
{
    fromRgbSpins();
}

void KestColorArea::gValueChangedSlot(int)
{
    fromRgbSpins();
}

void KestColorArea::bValueChangedSlot(int)
{
    fromRgbSpins();
}

void KestColorArea::updateEditData(int h, int s, int v)
{
    showColor(QColor::fromHsv(qBound(0, h, 359), qBound(0, s, 255), qBound(0, v, 255)), FromAreas, h);
}

void KestColorArea::editChangedSlot(const QString &text)
{
    const QString digits = completeHex(text);
    const QColor color(digits.mid(0, 2).toInt(nullptr, 16), digits.mid(2, 2).toInt(nullptr, 16),
                       digits.mid(4, 2).toInt(nullptr, 16));
    showColor(color, FromHex);
}

void KestColorArea::editFinishedSlot()
{
    const QString digits = completeHex(m_hexEdit->text());
    if (digits != m_hexEdit->text()) {
        const QSignalBlocker block(m_hexEdit);
        m_hexEdit->setText(digits);
    }
    editChangedSlot(digits);
}

void KestColorArea::color_clicked()
{
    auto *swatch = qobject_cast<DefaultColorArea *>(sender());
    if (!swatch)
        return;
    const QColor color = swatch->color();
    {
        // All three channels change before the one update runs.
        const QSignalBlocker br(m_rSpin), bg(m_gSpin), bb(m_bSpin);
        m_rSpin->setValue(color.red());
        m_gSpin->setValue(color.green());
        m_bSpin->setValue(color.blue());
    }
    fromRgbSpins();
    emit KestChangeColor(color);
    emit ApplyColor();
}

void KestColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}

void KestColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), QColor(24, 24, 28));
    p.setPen(QPen(themeColor(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}

// Frameless: the dialog is moved by dragging its background.
void KestColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void KestColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPos() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void KestColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void KestColorArea::keyPressEvent(QKeyEvent *event)
{
    if (!answerDialogKey(this, event, m_yesButton, m_noButton))
        QDialog::keyPressEvent(event);
}
