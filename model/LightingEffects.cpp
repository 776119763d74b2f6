#include "model/LightingEffects.h"
#include <QCoreApplication>

namespace {
const LightingEffect kEffects[LIGHTING_EFFECT_COUNT] = {
    // name                                                            bright speed  colour menu   speedFirst
    {QT_TRANSLATE_NOOP("KestColorWindow", "OFF"),                         false, false, false, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "FULL LIGHTED"),                true, false, true, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "BREATHING"),                   false, true, true, true, true},
    {QT_TRANSLATE_NOOP("KestColorWindow", "7 COLOR BREATHING"),           false, true, false, true, true},
    {QT_TRANSLATE_NOOP("KestColorWindow", "RAINBOW"),                     true, true, false, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "FLASH"),                       true, true, false, false, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "Horizontal WAVE"),             true, true, false, false, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "Horizontal GO WITHOUT TRACE"), true, true, false, false, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "Raindrop"),                    true, true, false, false, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "WAVE"),                        true, true, false, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "GO WITHOUT TRACE"),            true, true, false, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "REACTIVE"),                    true, false, false, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "yo-yo"),                       true, true, false, true, false},
    {QT_TRANSLATE_NOOP("KestColorWindow", "Marbles"),                     true, true, false, true, false},
};

const int kMenuOrder[LIGHTING_MENU_COUNT] = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
} // namespace

const LightingEffect &lightingEffect(int mode)
{
    return kEffects[mode >= 0 && mode < LIGHTING_EFFECT_COUNT ? mode : 0];
}

const int *lightingMenuOrder()
{
    return kMenuOrder;
}
