po prostu wybierz losowo
użyj najrzadziej losowanej superliczby
użyj najdłużej zaległej superliczby
