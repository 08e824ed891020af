// Where a needle points: angles in degrees clockwise from twelve o'clock.
#pragma once

#include <span>
#include <vector>

#include "gauge.h"

namespace render {

// A needle's nonlinearity table turned into angles about the needle's pivot.
// Every table of these gauges runs clockwise, so the angles are unwrapped to
// increase along the list; two neighbouring points at most one pixel apart
// stand for one full turn (the only way a table can say "360 degrees later").
class NeedleTable {
  public:
    NeedleTable(std::span<const gauge::NonlinearityEntry> entries, int pivot_x, int pivot_y);

    // The angle for a value: linear between neighbouring entries, extended
    // along the end segments beyond the table. NaN gives the first entry's
    // angle, infinities the angle of the entry at that end of the values.
    double angle(double value) const;
    // The unwrapped angle of each entry.
    const std::vector<double>& entry_angles() const { return angles_; }

  private:
    std::vector<double> values_;
    std::vector<double> angles_;
};

// Angle of gauge pixel (x, y) seen from (pivot_x, pivot_y), in [0, 360).
double clockwise_from_twelve(double dx, double dy);

// The angle a needle shows when it moves from `current` toward `target` by at
// most `max_step` degrees (0: no limit).
double step_toward(double current, double target, double max_step);

}  // namespace render
