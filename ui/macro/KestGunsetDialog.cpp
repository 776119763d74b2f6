#include "ui/macro/KestGunsetDialog.h"
#include "storage/ConfigStorage.h"
#include "storage/SafeName.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/macro/MacroStyle.h"
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <cmath>

namespace {
constexpr int kWidth = 619;
constexpr int kHeight = 400;
// The bullet area and its five buttons.
constexpr int kBulletAreaX = 159;
constexpr int kBulletAreaY = 137;
constexpr int kBulletAreaW = 297;
constexpr int kBulletAreaH = 48;
constexpr int kBulletButtonW = 56;
constexpr int kBulletPitch = 60;
// Columns of the shot table sit under the bullet buttons.
constexpr int kCaptionX = 40;
constexpr int kCaptionW = 112;
constexpr int kNameY = 66;
constexpr int kSliderY = 192;
constexpr int kRowY[3] = {216, 250, 284}; // DELAY(MS), X, Y
constexpr int kFieldH = 26;
constexpr int kButtonsY = 340;
} // namespace

KestGunsetDialog::KestGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags)
    : DialogFrame(kWidth, kHeight, QStringLiteral("dlg_gun.png"), parent, flags), m_scale(scale > 0 ? scale : 1.0)
{
    setObjectName(QStringLiteral("KestGunsetDialog"));
    setFixedSize(int(kWidth * m_scale), int(kHeight * m_scale));
    setWindowTitle(tr("Gun Set"));
    setStyleSheet(macroPageStyleSheet()
                  + QStringLiteral("QSpinBox{background: rgb(22,22,26); color: white; border: 1px solid rgb(78,78,86);"
                                   " border-radius: 3px; padding: 0px 2px;}"
                                   "QSpinBox:focus{border: 1px solid rgb(%1,%2,%3);}"
                                   "QSpinBox:disabled{color: rgb(110,110,118);}")
                        .arg(themeColor().red())
                        .arg(themeColor().green())
                        .arg(themeColor().blue()));
    m_bulletPicture = skinPixmap("gunset_bullet.png");
    m_selectionPicture = skinPixmap("bulletsel.png");
    m_sliderPicture = skinPixmap("gunset_slider.png");
    auto at = [this](int x, int y, int w, int h) {
        return QRect(int(x * m_scale), int(y * m_scale), int(w * m_scale), int(h * m_scale));
    };
    const QFont textFont = languageFont(MACRO_TEXT_PX + 1);

    QLabel *title = makeCaption(tr("GUN SET"), "msgBoxInfoLabel1", MACRO_DIALOG_CAPTION_PX);
    title->setGeometry(at(24, 8, 400, 34));

    auto caption = [&](const QString &text, int y, const char *objectName) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(objectName));
        label->setFont(textFont);
        label->setGeometry(at(kCaptionX, y, kCaptionW, kFieldH));
        return label;
    };
    caption(tr("GUNFILE NAME"), kNameY, "gunNameCaption");
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("gunNameEdit"));
    m_nameEdit->setMaxLength(100);
    m_nameEdit->setFont(textFont);
    m_nameEdit->setGeometry(at(kBulletAreaX, kNameY, kBulletAreaW, kFieldH));

    caption(tr("BULLETS"), kBulletAreaY + (kBulletAreaH - kFieldH) / 2, "gunBulletsCaption");
    for (int i = 0; i < GUN_MAX_BULLETS; ++i) {
        auto *button = new QPushButton(QString::number(i + 1), this);
        button->setObjectName(QStringLiteral("gunBulletButton%1").arg(i + 1));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setFont(languageFont(MACRO_TEXT_PX - 1));
        // Transparent: the dialog paints the bullets; the number sits at the foot.
        button->setStyleSheet(QStringLiteral("QPushButton{background: transparent; border: none;"
                                             " color: rgb(170,170,178); text-align: right bottom;"
                                             " padding: 0px %1px %2px 0px;}")
                                  .arg(int(6 * m_scale))
                                  .arg(int(2 * m_scale)));
        button->setGeometry(bulletRect(i));
        connect(button, &QPushButton::clicked, this, [this, i] { setBulletCount(i + 1); });
        m_bullets[i] = button;
    }
    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(QStringLiteral("gunBulletCountLabel"));
    QFont countFont = languageFont(22);
    countFont.setBold(true);
    m_countLabel->setFont(countFont);
    m_countLabel->setStyleSheet(QStringLiteral("color: rgb(%1,%2,%3);")
                                    .arg(themeColor().red())
                                    .arg(themeColor().green())
                                    .arg(themeColor().blue()));
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_countLabel->setGeometry(at(kBulletAreaX + kBulletAreaW + 14, kBulletAreaY, 48, kBulletAreaH));

    const QString rowTitles[3] = {tr("DELAY(MS)"), tr("X"), tr("Y")};
    const char *const rowNames[3] = {"gunDelayCaption", "gunXCaption", "gunYCaption"};
    for (int r = 0; r < 3; ++r)
        caption(rowTitles[r], kRowY[r], rowNames[r]);
    for (int i = 0; i < GUN_MAX_BULLETS; ++i) {
        m_delay[i] = makeSpin(QStringLiteral("gunDelaySpin%1").arg(i + 1), GUN_MIN_DELAY_MS, GUN_MAX_DELAY_MS,
                              GUN_DEFAULT_DELAY_MS);
        m_x[i] = makeSpin(QStringLiteral("gunXSpin%1").arg(i + 1), -GUN_MAX_OFFSET, GUN_MAX_OFFSET, 0);
        m_y[i] = makeSpin(QStringLiteral("gunYSpin%1").arg(i + 1), -GUN_MAX_OFFSET, GUN_MAX_OFFSET, 0);
        QSpinBox *column[3] = {m_delay[i], m_x[i], m_y[i]};
        for (int r = 0; r < 3; ++r)
            column[r]->setGeometry(at(kBulletAreaX + i * kBulletPitch, kRowY[r], kBulletButtonW, kFieldH));
    }

    QToolButton *yes = makeDialogButton(tr("Yes"), "gunYesButton");
    QToolButton *no = makeDialogButton(tr("No"), "gunNoButton");
    const int buttonsX = (kWidth - 2 * 110 - 60) / 2;
    yes->move(int(buttonsX * m_scale), int(kButtonsY * m_scale));
    no->move(int((buttonsX + 170) * m_scale), int(kButtonsY * m_scale));
    connect(yes, &QToolButton::released, this, &KestGunsetDialog::OnYesClick);
    connect(no, &QToolButton::released, this, &QDialog::reject);

    setBulletCount(GUN_MAX_BULLETS);
}

QSpinBox *KestGunsetDialog::makeSpin(const QString &objectName, int minimum, int maximum, int value)
{
    auto *spin = new QSpinBox(this);
    spin->setObjectName(objectName);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
    spin->setFont(languageFont(MACRO_TEXT_PX + 1));
    return spin;
}

QRect KestGunsetDialog::bulletRect(int index) const
{
    return QRect(int((kBulletAreaX + index * kBulletPitch) * m_scale), int(kBulletAreaY * m_scale),
                 int(kBulletButtonW * m_scale), int(kBulletAreaH * m_scale));
}

QVector<GunShot> KestGunsetDialog::shots() const
{
    QVector<GunShot> rows;
    for (int i = 0; i < m_bulletCount; ++i)
        rows.append({m_delay[i]->value(), m_x[i]->value(), m_y[i]->value()});
    return rows;
}

void KestGunsetDialog::setBulletCount(int count)
{
    m_bulletCount = qBound(1, count, GUN_MAX_BULLETS);
    for (int i = 0; i < GUN_MAX_BULLETS; ++i) {
        const bool shown = i < m_bulletCount;
        m_delay[i]->setVisible(shown);
        m_x[i]->setVisible(shown);
        m_y[i]->setVisible(shown);
    }
    m_countLabel->setText(m_bullets[m_bulletCount - 1]->text());
    update(QRect(int(kBulletAreaX * m_scale), int(kBulletAreaY * m_scale), int(kBulletAreaW * m_scale),
                 int((kSliderY + 14 - kBulletAreaY) * m_scale)));
}

void KestGunsetDialog::OnYesClick()
{
    const QString name = m_nameEdit->text().trimmed();
    if (name.isEmpty()) {
        warn(tr("Please input file name."));
        return;
    }
    const QString problem = fileNameProblem(name);
    if (!problem.isEmpty()) {
        warn(problem);
        return;
    }
    m_events = gunSetEvents(shots());
    m_fileName = name;
    accept();
}

void KestGunsetDialog::paintEvent(QPaintEvent *event)
{
    DialogFrame::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    // Selection frame behind the chosen count, bullets lit up to it.
    p.drawPixmap(bulletRect(m_bulletCount - 1), m_selectionPicture);
    for (int i = 0; i < GUN_MAX_BULLETS; ++i) {
        const QRect cell = bulletRect(i);
        const QSize size = m_bulletPicture.size().scaled(cell.size() * 0.8, Qt::KeepAspectRatio);
        const QRect picture(QPoint(cell.center().x() - size.width() / 2, cell.center().y() - size.height() / 2), size);
        p.setOpacity(i < m_bulletCount ? 1.0 : 0.25);
        p.drawPixmap(picture, m_bulletPicture);
    }
    p.setOpacity(1.0);
    // The slider shows how much of the magazine the pattern uses.
    const QRect track(int(kBulletAreaX * m_scale), int(kSliderY * m_scale), int(kBulletAreaW * m_scale),
                      int(12 * m_scale));
    p.setOpacity(0.35);
    p.drawPixmap(track, m_sliderPicture);
    p.setOpacity(1.0);
    const int filled = int(std::lround(track.width() * double(m_bulletCount) / GUN_MAX_BULLETS));
    p.save();
    p.setClipRect(QRect(track.topLeft(), QSize(filled, track.height())));
    p.drawPixmap(track, m_sliderPicture);
    p.restore();
}
