#include "Logos.h"
#include "PathTools.h"

using namespace juce;
using namespace PathTools;

namespace Logos
{
    namespace
    {
        constexpr float capHeight = 10.0f;
        constexpr float pi = MathConstants<float>::pi;

        using Polygon = std::vector<Point<float>>;

        /** Keeps the part of a convex polygon on the side of the line a-b where `inside` lies. */
        Polygon clip (const Polygon& polygon, Point<float> a, Point<float> b, Point<float> inside)
        {
            auto side = [a, b] (Point<float> p)
            {
                return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
            };

            const float keep = side (inside) >= 0.0f ? 1.0f : -1.0f;
            Polygon result;

            for (size_t i = 0; i < polygon.size(); ++i)
            {
                const auto p = polygon[i], q = polygon[(i + 1) % polygon.size()];
                const float sp = side (p) * keep, sq = side (q) * keep;

                if (sp >= 0.0f)
                    result.push_back (p);

                if ((sp >= 0.0f) != (sq >= 0.0f))
                    result.push_back (p + (q - p) * (sp / (sp - sq)));
            }

            return result;
        }

        /** Builds the letters of a wordmark from bars and arcs of one thickness, on
            centre lines within a cell as wide as the letter. Straight strokes end in
            horizontal or vertical cuts half a thickness beyond their centre lines, so
            all letters share the same top and bottom; where slanted strokes meet, each
            is cut at the other's outer edge. */
        class Pen
        {
        public:
            explicit Pen (float thicknessToUse) : t (thicknessToUse), h (thicknessToUse * 0.5f) {}

            void vertical (float x, float y1, float y2)
            {
                addRoundedBox (shape, { x - h, y1 - h, t, y2 - y1 + t }, 0.0f);
            }

            void horizontal (float y, float x1, float x2)
            {
                addRoundedBox (shape, { x1 - h, y - h, x2 - x1 + t, t }, 0.0f);
            }

            /** A bar along the centre line from a to b, long enough to be cut to shape. */
            Polygon band (Point<float> a, Point<float> b) const
            {
                const auto d = (b - a) / a.getDistanceFrom (b);
                const Point<float> n (-d.y * h, d.x * h);
                const auto e = d * (3.0f * t);
                return { a - e + n, b + e + n, b + e - n, a - e - n };
            }

            /** One edge line of a band: the side away from `away`. */
            std::pair<Point<float>, Point<float>> outerEdge (Point<float> a, Point<float> b, Point<float> away) const
            {
                const auto d = (b - a) / a.getDistanceFrom (b);
                Point<float> n (-d.y * h, d.x * h);

                if ((away - a).getDotProduct (n) > 0.0f)
                    n = -n;

                return { a + n, b + n };
            }

            static Polygon cutHorizontally (const Polygon& p, float top, float bottom)
            {
                auto r = clip (p, { 0.0f, top }, { 1.0f, top }, { 0.0f, top + 1.0f });
                return clip (r, { 0.0f, bottom }, { 1.0f, bottom }, { 0.0f, bottom - 1.0f });
            }

            static Polygon cutVertically (const Polygon& p, float left, float right)
            {
                auto r = clip (p, { left, 0.0f }, { left, 1.0f }, { left + 1.0f, 0.0f });
                return clip (r, { right, 0.0f }, { right, 1.0f }, { right - 1.0f, 0.0f });
            }

            /** Two slanted strokes from (x1, yFar) and (x2, yFar) meeting at (xm, yMeet):
                a V when yMeet is below yFar, an A when above. Cut flat at both ends. */
            Polygon meet (float x1, float x2, float yFar, Point<float> m, int arm) const
            {
                const Point<float> a1 (x1, yFar), a2 (x2, yFar);
                const float far = yFar < m.y ? yFar - h : yFar + h;
                const float near = yFar < m.y ? m.y + h : m.y - h;

                const auto mine = arm == 0 ? a1 : a2, other = arm == 0 ? a2 : a1;
                auto p = cutHorizontally (band (mine, m), jmin (far, near), jmax (far, near));
                const auto edge = outerEdge (other, m, mine);
                return clip (p, edge.first, edge.second, mine);
            }

            void add (const Polygon& polygon)
            {
                if (polygon.size() < 3)
                    return;

                Path p;
                p.startNewSubPath (polygon.front());

                for (size_t i = 1; i < polygon.size(); ++i)
                    p.lineTo (polygon[i]);

                p.closeSubPath();
                shape.addPath (allClockwise (p));
            }

            /** A band along an arc; angles clockwise from twelve o'clock. */
            void arc (Point<float> centre, float radius, float from, float to)
            {
                Path band;
                band.addCentredArc (centre.x, centre.y, radius + h, radius + h, 0.0f, from, to, true);
                band.addCentredArc (centre.x, centre.y, radius - h, radius - h, 0.0f, to, from, false);
                band.closeSubPath();
                shape.addPath (allClockwise (band));
            }

            /** An elliptic ring, hole included. */
            void ring (Rectangle<float> centreLine)
            {
                addEllipse (shape, centreLine.expanded (h), true);
                addEllipse (shape, centreLine.reduced (h), false);
            }

            Path take()
            {
                auto p = shape;
                shape.clear();
                p.setUsingNonZeroWinding (true);
                return p;
            }

            const float t, h;

        private:
            Path shape;
        };

        /** Each letter draws itself at x = 0 and returns its width. */
        struct Letters
        {
            static float V (Pen& p)
            {
                for (int arm : { 0, 1 })
                    p.add (p.meet (0.0f, 8.4f, 0.0f, { 4.2f, capHeight }, arm));
                return 8.4f;
            }

            static float A (Pen& p)
            {
                for (int arm : { 0, 1 })
                    p.add (p.meet (0.0f, 8.8f, capHeight, { 4.4f, 0.0f }, arm));

                const float y = 6.6f, dx = 4.4f * y / capHeight;
                p.horizontal (y, 4.4f - dx, 4.4f + dx);
                return 8.8f;
            }

            static float N (Pen& p)
            {
                p.vertical (0.0f, 0.0f, capHeight);
                p.vertical (7.6f, 0.0f, capHeight);
                const auto diagonal = p.band ({ 0.0f, 0.0f }, { 7.6f, capHeight });
                p.add (Pen::cutVertically (Pen::cutHorizontally (diagonal, -p.h, capHeight + p.h), 0.0f, 7.6f));
                return 7.6f;
            }

            static float M (Pen& p)
            {
                p.vertical (0.0f, 0.0f, capHeight);
                p.vertical (9.0f, 0.0f, capHeight);

                for (int arm : { 0, 1 })
                    p.add (Pen::cutVertically (p.meet (0.0f, 9.0f, 0.0f, { 4.5f, 6.2f }, arm), 0.0f, 9.0f));
                return 9.0f;
            }

            static float E (Pen& p)
            {
                p.vertical (0.0f, 0.0f, capHeight);
                p.horizontal (0.0f, 0.0f, 6.4f);
                p.horizontal (5.0f, 0.0f, 5.4f);
                p.horizontal (capHeight, 0.0f, 6.4f);
                return 6.4f;
            }

            static float L (Pen& p)
            {
                p.vertical (0.0f, 0.0f, capHeight);
                p.horizontal (capHeight, 0.0f, 6.0f);
                return 6.0f;
            }

            static float I (Pen& p)
            {
                p.vertical (0.0f, 0.0f, capHeight);
                return 0.0f;
            }

            static float T (Pen& p)
            {
                p.horizontal (0.0f, 0.0f, 8.0f);
                p.vertical (4.0f, 0.0f, capHeight);
                return 8.0f;
            }

            static float U (Pen& p)
            {
                const float r = 3.6f, bottom = capHeight - r;
                p.vertical (0.0f, 0.0f, bottom);
                p.vertical (2.0f * r, 0.0f, bottom);
                p.arc ({ r, bottom }, r, 1.5f * pi, 0.5f * pi);
                return 2.0f * r;
            }

            static float R (Pen& p)
            {
                const float r = 2.8f, x = 4.4f;
                p.vertical (0.0f, 0.0f, capHeight);
                p.horizontal (0.0f, 0.0f, x);
                p.horizontal (2.0f * r, 0.0f, x);
                p.arc ({ x, r }, r, 0.0f, pi);
                const auto leg = p.band ({ x - 0.6f, 2.0f * r }, { x + r, capHeight });
                p.add (Pen::cutHorizontally (leg, 2.0f * r, capHeight + p.h));
                return x + r;
            }

            static float Q (Pen& p)
            {
                p.ring ({ 0.0f, 0.0f, 8.6f, capHeight });
                const auto tail = p.band ({ 5.4f, 7.0f }, { 8.6f, capHeight });
                p.add (Pen::cutHorizontally (tail, 6.2f, capHeight + p.h));
                return 8.6f;
            }
        };

        using LetterFunction = float (*) (Pen&);

        /** Sets letters in a row, spacing between their cells; returns their cells too. */
        Path setWord (std::initializer_list<LetterFunction> letters, float spacing, float thickness,
                      std::vector<Rectangle<float>>* cells = nullptr)
        {
            Path word;
            float x = 0.0f;

            for (auto letter : letters)
            {
                Pen pen (thickness);
                const float w = letter != nullptr ? letter (pen) : capHeight;
                auto shape = pen.take();
                shape.applyTransform (AffineTransform::translation (x, 0.0f));
                word.addPath (shape);

                if (cells != nullptr)
                    cells->push_back ({ x, 0.0f, w, capHeight });

                x += w + spacing;
            }

            word.setUsingNonZeroWinding (true);
            return word;
        }
    }

    Path makeMakerLogo()
    {
        auto word = setWord ({ Letters::Q, Letters::U, Letters::I, Letters::L, Letters::L,
                               Letters::M, Letters::E, Letters::R, Letters::E },
                             3.2f, 1.6f);
        const auto b = word.getBounds();
        word.applyTransform (AffineTransform::translation (-b.getX(), -b.getY()));
        return word;
    }

    String makeProductLogoSvg()
    {
        constexpr float thickness = 1.9f;

        // Grey letters around an empty cell (null) where the green O goes.
        std::vector<Rectangle<float>> cells;
        auto grey = setWord ({ Letters::V, nullptr, Letters::R, Letters::T, Letters::A, Letters::N, Letters::E },
                             4.0f, thickness, &cells);

        const Point<float> oCentre (cells[1].getCentreX(), capHeight * 0.5f);
        Path green;
        addRing (green, oCentre, 5.0f + thickness * 0.5f, 5.0f - thickness * 0.5f);
        addCircle (green, oCentre, 1.4f);

        // Fit both into the document, keeping proportions, centred with a margin.
        auto all = grey;
        all.addPath (green);
        const auto area = Rectangle<float> (221.0f, 55.9f).reduced (5.0f, 8.0f);
        const auto fit = RectanglePlacement (RectanglePlacement::centred).getTransformToFit (all.getBounds(), area);
        grey.applyTransform (fit);
        green.applyTransform (fit);

        String svg;
        svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"221\" height=\"55.9\" "
            << "viewBox=\"0 0 221 55.9\">\n"
            << "  <path fill=\"#CBCBCB\" fill-rule=\"nonzero\" d=\"" << toSvgPathData (grey) << "\"/>\n"
            << "  <path fill=\"#ADFF7D\" fill-rule=\"nonzero\" d=\"" << toSvgPathData (green) << "\"/>\n"
            << "</svg>\n";
        return svg;
    }
}
