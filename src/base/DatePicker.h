#pragma once

namespace numora {

// The value of a date picker: a whole day count and the range the picker accepts.
struct DatePicker {
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 2958465.0; // 31.12.9999

    // Takes `date` if the picker accepts it; a refused date (NaN included) leaves the value.
    bool setDate(double date)
    {
        if (!(date >= minimum && date <= maximum))
            return false;
        value = date;
        return true;
    }
};

} // namespace numora
