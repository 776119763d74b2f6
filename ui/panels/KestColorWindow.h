#pragma once
// The LIGHTING page: effect, brightness, speed and colour of the effect, the
// minutes before the lights sleep and whether moving the mouse turns them off.
// Edits the working settings directly.
//
// The mouse keeps one lighting table (taken from profile 0) and one sleep and
// move-off setting (profile 0); only the effect is chosen per profile. So the
// page shows levels, colour, sleep time and move-off from profile 0 on every
// slot, and writes them both to the profile it shows and to profile 0, which
// carries them to the mouse.
#include "storage/MouseSettings.h"
#include <QColor>
#include <QWidget>

class DefaultColorArea;
class KestLabel;
class KestPushButton;
class KestSlider;
class LightingPreview;
class QCheckBox;
class QLabel;
class QMenu;

class KestColorWindow : public QWidget
{
    Q_OBJECT

public:
    KestColorWindow(QWidget *parent, double scale);

    // The working settings (profile 0 and the active profile live there).
    void setSettings(MouseSettings *settings);
    // The profile the page shows: the active one, or profile 0 on the
    // single-lighting model. Must point into the settings given above.
    void setProfileData(ProfileData *profile);
    ProfileData *profileData() const { return m_profile; }
    void refresh();
    void retranslate();
    void setScale(double scale);
    void updateEffectControls(int mode);
    // What choosing effect mode from the menu does.
    void chooseEffect(int mode);

    KestPushButton *effectButton() const { return m_effectButton; }
    QMenu *effectMenu() const { return m_effectMenu; }
    KestSlider *brightnessSlider() const { return m_brightSlider; }
    KestSlider *speedSlider() const { return m_speedSlider; }
    KestSlider *sleepSlider() const { return m_sleepSlider; }
    KestLabel *brightnessCaption() const { return m_brightCaption; }
    KestLabel *speedCaption() const { return m_speedCaption; }
    KestLabel *colorCaption() const { return m_colorCaption; }
    KestLabel *sleepCaption() const { return m_sleepCaption; }
    KestLabel *sleepValueLabel() const { return m_sleepValue; }
    DefaultColorArea *colorSwatch() const { return m_swatch; }
    QCheckBox *moveOffBox() const { return m_moveOffBox; }
    LightingPreview *preview() const { return m_preview; }

    static constexpr int BASE_WIDTH = 620;
    static constexpr int BASE_HEIGHT = 430;

public slots:
    void slotSendLedState(QColor color);
    void color_clicked();
    void checkbtn_clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onSliderChanged(int value);
    int targetProfileIndex() const;
    ProfileData *targetProfile() const;
    // The shown profile and profile 0, each once.
    QList<ProfileData *> lightingTargets() const;
    int shownMode() const;
    // Where the mouse takes levels, colours, sleep time and move-off from.
    const ProfileData *lightingSource() const;
    void storeColor(ProfileData *shown, int mode, const QColor &color);
    void buildEffectMenu();
    void applySliderLook();
    void updatePreview();
    void relayout();
    QRect scaled(const QRect &r) const;

    MouseSettings *m_settings = nullptr;
    ProfileData *m_profile = nullptr;
    double m_scale;
    int m_shownMode = 0;
    bool m_sleepShown = true;

    KestLabel *m_effectCaption;
    KestPushButton *m_effectButton;
    QMenu *m_effectMenu;
    KestLabel *m_brightCaption;
    KestSlider *m_brightSlider;
    QLabel *m_brightBubble;
    KestLabel *m_speedCaption;
    KestSlider *m_speedSlider;
    QLabel *m_speedBubble;
    KestLabel *m_colorCaption;
    DefaultColorArea *m_swatch;
    KestLabel *m_sleepCaption;
    KestSlider *m_sleepSlider;
    KestLabel *m_sleepValue;
    QCheckBox *m_moveOffBox;
    LightingPreview *m_preview;
    QRect m_leftPlate;
    QRect m_rightPlate;
};
