#pragma once
// The sniper step range of each sensor: what the slider offers and which
// stored steps a preset keeps.
struct SniperRange {
    int sensor;          // 0: any sensor not listed
    int sliderMin, sliderMax;
    int acceptedMin, acceptedMax; // acceptedMin > acceptedMax: every step accepted
    int defaultStep;     // replaces a preset outside the accepted range
};

const SniperRange &sniperRange(int sensor);
// The step a preset opens at: the stored step when accepted, else the
// default, clamped into the slider range.
int sniperPresetStep(int storedStep, int sensor);
