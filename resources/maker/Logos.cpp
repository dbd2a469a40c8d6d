#include "Logos.h"
#include "PathTools.h"

using namespace juce;
using namespace PathTools;

namespace Logos
{
    namespace
    {
        /** Strokes of one letter in a cell of the given width and a cap height of 10. */
        struct Letter
        {
            float width;
            Path strokes;
            /** A closed ring, which a stroke outline would fill in; built directly. */
            Path ring = {};
        };

        constexpr float capHeight = 10.0f;

        Letter letterQ (float thickness)
        {
            const auto half = thickness * 0.5f;
            Path ring;
            addEllipse (ring, { -half, -half, 8.6f + thickness, capHeight + thickness }, true);
            addEllipse (ring, { half, half, 8.6f - thickness, capHeight - thickness }, false);

            Path s;
            s.startNewSubPath (5.4f, 7.0f);
            s.lineTo (8.6f, 10.4f);
            return { 8.6f, s, ring };
        }

        Letter letterU()
        {
            Path s;
            s.startNewSubPath (0.0f, 0.0f);
            s.lineTo (0.0f, 6.4f);
            s.addCentredArc (3.6f, 6.4f, 3.6f, 3.6f, 0.0f, -MathConstants<float>::halfPi,
                             -MathConstants<float>::pi * 1.5f, false);
            s.lineTo (7.2f, 0.0f);
            return { 7.2f, s };
        }

        Letter letterI()
        {
            Path s;
            s.startNewSubPath (0.0f, 0.0f);
            s.lineTo (0.0f, capHeight);
            return { 0.0f, s };
        }

        Letter letterL()
        {
            Path s;
            s.startNewSubPath (0.0f, 0.0f);
            s.lineTo (0.0f, capHeight);
            s.lineTo (6.0f, capHeight);
            return { 6.0f, s };
        }

        Letter letterM()
        {
            Path s;
            s.startNewSubPath (0.0f, capHeight);
            s.lineTo (0.0f, 0.0f);
            s.lineTo (4.5f, 6.2f);
            s.lineTo (9.0f, 0.0f);
            s.lineTo (9.0f, capHeight);
            return { 9.0f, s };
        }

        Letter letterE()
        {
            Path s;
            s.startNewSubPath (6.4f, 0.0f);
            s.lineTo (0.0f, 0.0f);
            s.lineTo (0.0f, capHeight);
            s.lineTo (6.4f, capHeight);
            s.startNewSubPath (0.0f, 5.0f);
            s.lineTo (5.4f, 5.0f);
            return { 6.4f, s };
        }

        Letter letterR()
        {
            Path s;
            s.startNewSubPath (0.0f, capHeight);
            s.lineTo (0.0f, 0.0f);
            s.lineTo (4.2f, 0.0f);
            s.addCentredArc (4.2f, 2.8f, 2.8f, 2.8f, 0.0f, 0.0f, MathConstants<float>::pi, false);
            s.lineTo (0.0f, 5.6f);
            s.startNewSubPath (3.8f, 5.6f);
            s.lineTo (7.2f, capHeight);
            return { 7.2f, s };
        }

        Letter letterV()
        {
            Path s;
            s.startNewSubPath (0.0f, 0.0f);
            s.lineTo (4.2f, capHeight);
            s.lineTo (8.4f, 0.0f);
            return { 8.4f, s };
        }

        Letter letterT()
        {
            Path s;
            s.startNewSubPath (0.0f, 0.0f);
            s.lineTo (8.0f, 0.0f);
            s.startNewSubPath (4.0f, 0.0f);
            s.lineTo (4.0f, capHeight);
            return { 8.0f, s };
        }

        Letter letterA()
        {
            Path s;
            s.startNewSubPath (0.0f, capHeight);
            s.lineTo (4.4f, 0.0f);
            s.lineTo (8.8f, capHeight);
            s.startNewSubPath (1.9f, 6.6f);
            s.lineTo (6.9f, 6.6f);
            return { 8.8f, s };
        }

        Letter letterN()
        {
            Path s;
            s.startNewSubPath (0.0f, capHeight);
            s.lineTo (0.0f, 0.0f);
            s.lineTo (7.6f, capHeight);
            s.lineTo (7.6f, 0.0f);
            return { 7.6f, s };
        }

        /** Strokes a row of letters into one outline; strokes that overlap add up. */
        Path setWord (const std::vector<Letter>& letters, float spacing, float thickness,
                      std::vector<Rectangle<float>>* cells = nullptr)
        {
            Path word;
            float x = 0.0f;

            for (auto& letter : letters)
            {
                Path strokes (letter.strokes);
                strokes.applyTransform (AffineTransform::translation (x, 0.0f));
                if (! strokes.isEmpty())
                    word.addPath (strokeOutline (strokes, thickness, PathStrokeType::mitered,
                                                 PathStrokeType::square));

                if (! letter.ring.isEmpty())
                {
                    Path ring (letter.ring);
                    ring.applyTransform (AffineTransform::translation (x, 0.0f));
                    word.addPath (ring);
                }

                if (cells != nullptr)
                    cells->push_back ({ x, 0.0f, letter.width, capHeight });

                x += letter.width + spacing;
            }

            word.setUsingNonZeroWinding (true);
            return word;
        }
    }

    Path makeMakerLogo()
    {
        constexpr float thickness = 1.6f;
        auto word = setWord ({ letterQ (thickness), letterU(), letterI(), letterL(), letterL(),
                               letterM(), letterE(), letterR(), letterE() },
                             3.2f, thickness);
        const auto b = word.getBounds();
        word.applyTransform (AffineTransform::translation (-b.getX(), -b.getY()));
        return word;
    }

    String makeProductLogoSvg()
    {
        constexpr float width = 221.0f, height = 55.9f;

        // Grey letters around a gap where the green O goes.
        constexpr float thickness = 1.9f;
        Letter gap { capHeight, {} };
        std::vector<Rectangle<float>> cells;
        auto grey = setWord ({ letterV(), gap, letterR(), letterT(), letterA(), letterN(), letterE() },
                             4.0f, thickness, &cells);

        const auto& oCell = cells[1];
        const Point<float> oCentre (oCell.getCentreX(), capHeight * 0.5f);
        Path green;
        addRing (green, oCentre, 5.0f + thickness * 0.5f, 5.0f - thickness * 0.5f);
        addCircle (green, oCentre, 1.4f);

        // Fit both into the document, keeping proportions, centred with a margin.
        auto all = grey;
        all.addPath (green);
        const auto b = all.getBounds();
        const auto area = Rectangle<float> (width, height).reduced (5.0f, 8.0f);
        const auto fit = RectanglePlacement (RectanglePlacement::centred).getTransformToFit (b, area);
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
