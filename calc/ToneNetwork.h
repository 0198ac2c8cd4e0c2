#pragma once

#include <optional>

// The passive bass-and-treble tone-control network sized for the resistance chosen for its two
// equal potentiometers, R1 (treble) and R3 (bass). Every resistor is a fixed fraction of that
// resistance and every capacitor inversely proportional to it, so the network keeps the same
// response at any impedance level.

// The part values, each held in single precision.
struct NetworkValues {
    float R2;  // kΩ, upper fixed resistor of the bass branch
    float R4;  // kΩ, lower fixed resistor of the bass branch
    float R5;  // kΩ, from the bass potentiometer's wiper to the output
    float C1;  // nF, upper capacitor of the treble branch
    float C2;  // µF, lower capacitor of the treble branch
    float C3;  // µF, across the upper half of the bass potentiometer
    float C4;  // µF, across the lower half of the bass potentiometer
};

// Whether a potentiometer resistance (kΩ) lies in the supported range, 0.1 to 15000 kΩ, both
// bounds excluded.
bool InSupportedRange(float resistance);

// The part values for a potentiometer resistance in kΩ, or nothing when it is out of range.
std::optional<NetworkValues> CalculateNetwork(float resistance);
