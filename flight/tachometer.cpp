#include "tachometer.h"

#include "numbers.h"

namespace flight {

double GAUGE_CALL tachometer_needle(gauge::Element* element) {
    return gauge::limit_reading(gauge::as<gauge::Needle>(element)->variable.value, 0, 3000);
}

}  // namespace flight
