#include "needle_angle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

namespace render {

double clockwise_from_twelve(double dx, double dy) {
    // Screen y grows downward: twelve o'clock is -y, three o'clock is +x.
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    return degrees >= 360.0 ? 0.0 : degrees;
}

NeedleTable::NeedleTable(std::span<const gauge::NonlinearityEntry> entries, int pivot_x,
                         int pivot_y) {
    if (entries.empty()) throw std::invalid_argument("a needle table needs at least one entry");
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const auto& entry = entries[at];
        const double raw = clockwise_from_twelve(static_cast<double>(entry.x) - pivot_x,
                                                 static_cast<double>(entry.y) - pivot_y);
        values_.push_back(entry.value);
        if (at == 0) {
            angles_.push_back(raw);
            continue;
        }
        const auto& previous = entries[at - 1];
        const bool one_pixel_apart = std::abs(static_cast<double>(entry.x) - previous.x) <= 1 &&
                                     std::abs(static_cast<double>(entry.y) - previous.y) <= 1;
        double step = std::fmod(raw - std::fmod(angles_.back(), 360.0) + 720.0, 360.0);
        if (one_pixel_apart) step = 360.0;
        angles_.push_back(angles_.back() + step);
    }
}

double NeedleTable::angle(double value) const {
    const std::size_t count = values_.size();
    if (count == 1 || std::isnan(value)) return angles_.front();
    const bool rising = values_.back() >= values_.front();
    if (std::isinf(value)) {
        const bool toward_last = (value > 0) == rising;
        return toward_last ? angles_.back() : angles_.front();
    }
    // The segment holding the value, or the end segment it lies beyond.
    std::size_t segment = 0;
    bool found = false;
    for (std::size_t at = 0; at + 1 < count && !found; ++at) {
        const double low = std::min(values_[at], values_[at + 1]);
        const double high = std::max(values_[at], values_[at + 1]);
        if (value >= low && value <= high && low < high) {
            segment = at;
            found = true;
        }
    }
    if (!found) {
        const bool before_first = rising ? value < values_.front() : value > values_.front();
        segment = before_first ? 0 : count - 2;
    }
    const double v0 = values_[segment];
    const double v1 = values_[segment + 1];
    if (v0 == v1) return angles_[segment];
    const double fraction = (value - v0) / (v1 - v0);
    const double result = angles_[segment] + fraction * (angles_[segment + 1] - angles_[segment]);
    // Far beyond the table the turn only matters modulo a full turn.
    return std::isfinite(result) ? result : angles_[segment];
}

double step_toward(double current, double target, double max_step) {
    if (!std::isfinite(current) || max_step <= 0) return target;
    if (target > current + max_step) return current + max_step;
    if (target < current - max_step) return current - max_step;
    return target;
}

}  // namespace render
