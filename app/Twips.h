#pragma once

#include <QPoint>
#include <QRect>

// Layout is designed in twips; 15 twips are one device-independent pixel and Qt
// scales pixels for the screen.
class Twips {
public:
    static constexpr int PerPixel = 15;

    static constexpr int toPixels(int twips) { return twips / PerPixel; }

    static constexpr QPoint point(int x, int y) { return {toPixels(x), toPixels(y)}; }

    static constexpr QRect rect(int left, int top, int width, int height)
    {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }
};
