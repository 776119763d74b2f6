#include "ui/panels/KestColorWindow.h"
#include "model/PanelLimits.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestLabel.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/panels/DefaultColorArea.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestSlider.h"
#include "model/LightingEffects.h"
#include "ui/panels/LightingPreview.h"
#include "ui/panels/PanelStyle.h"
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <cmath>

namespace {
// Unscaled places on the 620 x 430 page.
constexpr int kColumn = 30;
constexpr int kCaptionWidth = 201;
constexpr int kCaptionHeight = 18;
constexpr int kSliderWidth = 228;
constexpr int kSliderHeight = 25;
constexpr int kEffectCaptionY = 20;
const QRect kEffectButton(kColumn, 40, kSliderWidth, 30);
constexpr int kFirstCaptionY = 78;
constexpr int kFirstSliderY = 97;
constexpr int kSecondCaptionY = 137;
constexpr int kSecondSliderY = 156;
constexpr int kRowStep = kSecondCaptionY - kFirstCaptionY;
constexpr int kSwatchHeight = 28;
// The sleep group closes the first column; the preview fills the second.
const QRect kLeftPlate(12, 0, 262, 430);
constexpr int kSleepSeparatorY = 318;
const QRect kSleepCaption(kColumn, 332, 150, kCaptionHeight);
const QRect kSleepValue(kColumn + 150, 332, kSliderWidth - 150, kCaptionHeight);
const QRect kSleepSlider(kColumn, 352, kSliderWidth, kSliderHeight);
const QRect kMoveOff(kColumn, 390, kSliderWidth, 22);
const QRect kRightPlate(286, 0, 322, 430);
const QRect kPreview(296, 12, 302, 406);

constexpr int kBrightMin = LIGHT_BRIGHTNESS_MIN, kBrightMax = LIGHT_BRIGHTNESS_MAX;
constexpr int kSpeedMin = LIGHT_SPEED_MIN, kSpeedMax = LIGHT_SPEED_MAX;
constexpr int kSleepMin = LIGHT_SLEEP_MIN, kSleepMax = LIGHT_SLEEP_MAX;
constexpr uint8_t kMoveOffChecked = LIGHT_MOVE_OFF_ON;
constexpr uint8_t kMoveOffUnchecked = LIGHT_MOVE_OFF_OFF;

KestSlider *makeSlider(QWidget *parent, const char *objectName, int minimum, int maximum)
{
    auto *slider = new KestSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(objectName));
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    slider->setFocusPolicy(Qt::NoFocus);
    return slider;
}

KestLabel *makeCaption(QWidget *parent, const char *objectName)
{
    auto *label = new KestLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setPixelSize(PANEL_CAPTION_PX + 1);
    return label;
}

QLabel *makeBubble(QWidget *parent)
{
    auto *bubble = new QLabel(parent);
    bubble->setAlignment(Qt::AlignCenter);
    bubble->hide();
    return bubble;
}
} // namespace

KestColorWindow::KestColorWindow(QWidget *parent, double scale) : QWidget(parent), m_scale(scale)
{
    setObjectName("colorWindow");
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    m_effectCaption = makeCaption(this, "effectCaption");
    const QString dropDown = skinPath("profilesel.png");
    m_effectButton = new KestPushButton({dropDown, dropDown, dropDown}, this);
    m_effectButton->setObjectName("effectButton");
    m_effectMenu = new QMenu(this);
    m_effectMenu->setObjectName("effectMenu");
    applyPopupMenuStyle(m_effectMenu);
    m_effectButton->setMenu(m_effectMenu);

    m_brightCaption = makeCaption(this, "brightnessCaption");
    m_brightSlider = makeSlider(this, "brightnessSlider", kBrightMin, kBrightMax);
    m_brightBubble = makeBubble(this);
    m_brightSlider->setValueLabel(m_brightBubble);
    m_speedCaption = makeCaption(this, "speedCaption");
    m_speedSlider = makeSlider(this, "speedSlider", kSpeedMin, kSpeedMax);
    m_speedBubble = makeBubble(this);
    m_speedSlider->setValueLabel(m_speedBubble);
    m_colorCaption = makeCaption(this, "colorCaption");
    m_swatch = new DefaultColorArea(Qt::red, this);
    m_swatch->setObjectName("colorSwatch");

    m_sleepCaption = makeCaption(this, "sleepCaption");
    m_sleepSlider = makeSlider(this, "sleepSlider", kSleepMin, kSleepMax);
    m_sleepValue = new KestLabel(this);
    m_sleepValue->setObjectName("sleepValue");
    m_sleepValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_moveOffBox = new QCheckBox(this);
    m_moveOffBox->setObjectName("moveOffBox");
    m_moveOffBox->setFocusPolicy(Qt::NoFocus);
    m_preview = new LightingPreview(this);
    buildEffectMenu();

    connect(m_swatch, SIGNAL(ClickedSignal()), this, SLOT(color_clicked()));
    connect(m_moveOffBox, SIGNAL(clicked()), this, SLOT(checkbtn_clicked()));
    for (KestSlider *slider : {m_brightSlider, m_speedSlider, m_sleepSlider})
        connect(slider, &QSlider::valueChanged, this, &KestColorWindow::onSliderChanged);

    m_sleepShown = showSleep() != 0;
    retranslate();
    setScale(scale);
}

void KestColorWindow::setSettings(MouseSettings *settings)
{
    m_settings = settings;
}

void KestColorWindow::setProfileData(ProfileData *profile)
{
    m_profile = profile;
    refresh();
    retranslate();
}

int KestColorWindow::targetProfileIndex() const
{
    if (!m_settings || isSingleLightingModel(deviceListName()))
        return 0;
    return activeSlot(*m_settings);
}

ProfileData *KestColorWindow::targetProfile() const
{
    return m_settings ? &m_settings->profiles[targetProfileIndex()] : m_profile;
}

QList<ProfileData *> KestColorWindow::lightingTargets() const
{
    QList<ProfileData *> targets;
    if (m_profile)
        targets << m_profile;
    if (m_settings && !targets.contains(&m_settings->profiles[0]))
        targets << &m_settings->profiles[0];
    return targets;
}

const ProfileData *KestColorWindow::lightingSource() const
{
    return m_settings ? &m_settings->profiles[0] : m_profile;
}

int KestColorWindow::shownMode() const
{
    return m_profile && m_profile->ledMode < LED_MODE_COUNT ? m_profile->ledMode : 0;
}

void KestColorWindow::refresh()
{
    if (!m_profile)
        return;
    const int m = shownMode();
    const ProfileData *source = lightingSource();
    updateEffectControls(m);
    {
        const QSignalBlocker bb(m_brightSlider), bs(m_speedSlider), bl(m_sleepSlider);
        m_brightSlider->setValue(source->ledModes[m].bright);
        m_speedSlider->setValue(source->ledModes[m].breath);
        m_sleepSlider->setValue(source->ledSleepTime);
    }
    m_swatch->setColor(source->ledModes[m].rgb);
    m_sleepValue->setText(QString::number(source->ledSleepTime) + tr(" MINUTE"));
    m_moveOffBox->setChecked(source->ledMoveOff == kMoveOffChecked);
    m_preview->setProduct(currentProductName());
    applySliderLook();
}

void KestColorWindow::buildEffectMenu()
{
    const int *order = lightingMenuOrder();
    for (int i = 0; i < LIGHTING_MENU_COUNT; ++i) {
        const int mode = order[i];
        auto *action = new KestAction(tr(lightingEffect(mode).name), m_effectMenu);
        action->setObjectName(QString("effectAction%1").arg(mode));
        connect(action, &QAction::triggered, this, [this, mode] { chooseEffect(mode); });
        m_effectMenu->addAction(action);
    }
}

void KestColorWindow::retranslate()
{
    m_effectCaption->setText(tr("EFFECT"));
    m_brightCaption->setText(tr("BRIGHTNESS"));
    m_speedCaption->setText(tr("SPEED"));
    m_colorCaption->setText(tr("COLOR"));
    m_sleepCaption->setText(tr("SLEEP TIME"));
    m_moveOffBox->setText(tr("MOVE TO LIGHT OFF"));
    if (m_profile)
        m_sleepValue->setText(QString::number(lightingSource()->ledSleepTime) + tr(" MINUTE"));
    const QList<QAction *> actions = m_effectMenu->actions();
    const int *order = lightingMenuOrder();
    for (int i = 0; i < actions.size() && i < LIGHTING_MENU_COUNT; ++i) {
        if (auto *action = qobject_cast<KestAction *>(actions[i]))
            action->setText(tr(lightingEffect(order[i]).name)); // also takes the language's font
    }
    updateEffectControls(m_shownMode);
}

void KestColorWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KestColorWindow::chooseEffect(int mode)
{
    if (mode < 0 || mode >= LED_MODE_COUNT)
        return;
    const int t = targetProfileIndex();
    ProfileData *target = targetProfile();
    if (!target)
        return;
    target->ledMode = uint8_t(mode);
    updateEffectControls(mode);
    const LedModeSetting &setting = lightingSource()->ledModes[mode];
    {
        const QSignalBlocker bb(m_brightSlider), bs(m_speedSlider);
        m_brightSlider->setValue(setting.bright);
        m_speedSlider->setValue(setting.breath);
    }
    m_swatch->setColor(setting.rgb);
    applySliderLook();
    qDebug("EffectMenuFunction iProfile=%d i=%d r=%d g=%d b=%d", t, mode, setting.rgb.red(), setting.rgb.green(),
           setting.rgb.blue());
}

void KestColorWindow::updateEffectControls(int mode)
{
    m_shownMode = mode >= 0 && mode < LED_MODE_COUNT ? mode : 0;
    const LightingEffect &effect = lightingEffect(m_shownMode);
    m_effectButton->setText(tr(effect.name));
    m_brightCaption->setVisible(effect.brightness);
    m_brightSlider->setVisible(effect.brightness);
    m_speedCaption->setVisible(effect.speed);
    m_speedSlider->setVisible(effect.speed);
    m_colorCaption->setVisible(effect.colour);
    m_swatch->setVisible(effect.colour);
    relayout();
}

void KestColorWindow::onSliderChanged(int value)
{
    const QObject *source = sender();
    if (source == m_sleepSlider) {
        for (ProfileData *p : lightingTargets())
            p->ledSleepTime = uint8_t(value);
        m_sleepValue->setText(QString::number(value) + tr(" MINUTE"));
        return;
    }
    const int m = shownMode();
    for (ProfileData *p : lightingTargets()) {
        if (source == m_brightSlider)
            p->ledModes[m].bright = value;
        else if (source == m_speedSlider)
            p->ledModes[m].breath = value;
    }
    updatePreview();
}

void KestColorWindow::storeColor(ProfileData *shown, int mode, const QColor &color)
{
    QList<ProfileData *> targets{shown};
    if (m_settings && shown != &m_settings->profiles[0])
        targets << &m_settings->profiles[0];
    for (ProfileData *p : targets)
        p->ledModes[mode].rgb = color;
    if (shown == m_profile && mode == shownMode()) {
        m_swatch->setColor(color);
        applySliderLook();
    }
}

void KestColorWindow::slotSendLedState(QColor color)
{
    ProfileData *target = targetProfile();
    if (!target)
        return;
    qDebug("slotSendLedState iProfile=%d i=%d r=%d g=%d b=%d", targetProfileIndex(), target->ledMode, color.red(),
           color.green(), color.blue());
    storeColor(target, target->ledMode < LED_MODE_COUNT ? target->ledMode : 0, color);
}

void KestColorWindow::color_clicked()
{
    if (!m_profile)
        return;
    // The editor is modal but the mouse may switch profiles meanwhile: the
    // colour goes to the profile and mode it was opened for.
    ProfileData *shown = m_profile;
    const int mode = shownMode();
    KestColorArea editor(this, m_scale);
    editor.setColor(lightingSource()->ledModes[mode].rgb);
    editor.move(mapToGlobal(rect().center()) - editor.rect().center());
    if (editor.exec() == QDialog::Accepted)
        storeColor(shown, mode, editor.color());
}

void KestColorWindow::checkbtn_clicked()
{
    if (sender() != m_moveOffBox)
        return;
    const uint8_t value = m_moveOffBox->isChecked() ? kMoveOffChecked : kMoveOffUnchecked;
    for (ProfileData *p : lightingTargets())
        p->ledMoveOff = value;
}

void KestColorWindow::applySliderLook()
{
    // The level sliders take the colour of the effect when it has one.
    QColor accent = themeColor();
    if (m_profile && lightingEffect(shownMode()).colour && lightingSource()->ledModes[shownMode()].rgb.isValid())
        accent = lightingSource()->ledModes[shownMode()].rgb.toRgb();
    const QString levels = sliderStyleSheet(accent, m_scale, 20, QStringLiteral("rate.png"));
    applyStyleSheet(m_brightSlider, levels);
    applyStyleSheet(m_speedSlider, levels);
    applyStyleSheet(m_sleepSlider, sliderStyleSheet(themeColor(), m_scale));
    updatePreview();
}

void KestColorWindow::updatePreview()
{
    if (!m_profile)
        return;
    const LedModeSetting &setting = lightingSource()->ledModes[shownMode()];
    m_preview->setEffect(shownMode(), setting.rgb, setting.bright);
}

QRect KestColorWindow::scaled(const QRect &r) const
{
    return QRect(int(std::lround(r.x() * m_scale)), int(std::lround(r.y() * m_scale)),
                 int(std::lround(r.width() * m_scale)), int(std::lround(r.height() * m_scale)));
}

void KestColorWindow::setScale(double scale)
{
    m_scale = scale;
    applyStyleSheet(m_moveOffBox, checkBoxStyleSheet(scale));
    m_moveOffBox->setFont(languageFont());
    m_effectMenu->setFont(languageFont());
    m_effectMenu->setMinimumWidth(int(kSliderWidth * scale));
    const QString bubble = QString("QLabel{background: rgb(20,20,24); color: white; border: 1px solid rgb(90,90,98);"
                                   " border-radius: %1px; padding: 0px %2px;}")
                               .arg(int(3 * scale))
                               .arg(int(4 * scale));
    applyStyleSheet(m_brightBubble, bubble);
    applyStyleSheet(m_speedBubble, bubble);
    m_brightBubble->setFont(languageFont(11));
    m_speedBubble->setFont(languageFont(11));
    applySliderLook();
    relayout();
}

void KestColorWindow::relayout()
{
    const LightingEffect &effect = lightingEffect(m_shownMode);
    const auto caption = [](int y) { return QRect(kColumn, y, kCaptionWidth, kCaptionHeight); };
    const auto slider = [](int y) { return QRect(kColumn, y, kSliderWidth, kSliderHeight); };

    m_effectCaption->setGeometry(scaled(caption(kEffectCaptionY)));
    m_effectButton->setGeometry(scaled(kEffectButton));
    // Breathing effects have no brightness: their speed takes the first row.
    KestLabel *firstCaption = effect.speedFirst ? m_speedCaption : m_brightCaption;
    KestSlider *firstSlider = effect.speedFirst ? m_speedSlider : m_brightSlider;
    KestLabel *secondCaption = effect.speedFirst ? m_brightCaption : m_speedCaption;
    KestSlider *secondSlider = effect.speedFirst ? m_brightSlider : m_speedSlider;
    firstCaption->setGeometry(scaled(caption(kFirstCaptionY)));
    firstSlider->setGeometry(scaled(slider(kFirstSliderY)));
    secondCaption->setGeometry(scaled(caption(kSecondCaptionY)));
    secondSlider->setGeometry(scaled(slider(kSecondSliderY)));

    // The colour row follows the last level row that is shown.
    int rows = 0;
    if (effect.brightness)
        ++rows;
    if (effect.speed)
        ++rows;
    const int colorY = kFirstCaptionY + rows * kRowStep;
    m_colorCaption->setGeometry(scaled(caption(colorY)));
    m_swatch->setGeometry(scaled(QRect(kColumn, colorY + 19, kSliderWidth, kSwatchHeight)));
    m_leftPlate = scaled(kLeftPlate);
    m_rightPlate = scaled(kRightPlate);
    m_preview->setGeometry(scaled(kPreview));

    if (m_sleepShown) {
        m_sleepCaption->setGeometry(scaled(kSleepCaption));
        m_sleepValue->setGeometry(scaled(kSleepValue));
        m_sleepSlider->setGeometry(scaled(kSleepSlider));
        m_moveOffBox->setGeometry(scaled(kMoveOff));
    } else {
        // Models without a sleep setting: the group takes no room at all.
        for (QWidget *w : {static_cast<QWidget *>(m_sleepCaption), static_cast<QWidget *>(m_sleepValue),
                           static_cast<QWidget *>(m_sleepSlider), static_cast<QWidget *>(m_moveOffBox)}) {
            w->setGeometry(QRect(w->pos(), QSize(0, 0)));
            w->hide();
        }
    }
    update();
}

void KestColorWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor accent = themeColor();
    paintPanelPlate(p, m_leftPlate, accent, m_scale);
    paintPanelPlate(p, m_rightPlate, accent, m_scale);
    if (m_sleepShown) {
        // A hairline between the effect and the sleep settings.
        const int y = int(kSleepSeparatorY * m_scale);
        p.setPen(QPen(QColor(60, 60, 68), 1));
        p.drawLine(int((kColumn - 2) * m_scale), y, int((kColumn + kSliderWidth + 2) * m_scale), y);
    }
}
