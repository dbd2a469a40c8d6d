#include "Pictures.h"
#include "PathTools.h"

using namespace juce;

namespace Pictures
{
    namespace
    {
        constexpr float scale = 2.0f;   // pixels per point

        // Where the control panel's children sit, in points (the panel is 703 × 319).
        namespace Layout
        {
            constexpr float panelWidth = 703.0f, panelHeight = 319.0f;

            const Rectangle<float> inputMeter  { 7.0f, 113.0f, 22.0f, 90.0f };
            const Rectangle<float> outputMeter { 678.0f, 113.0f, 22.0f, 90.0f };

            // Level sliders (57 / 611, 78, 36 × 158): the bar runs at x + 17.5 between
            // y + 15.25 (value 1) and y + 106.75 (value 0); the legend marks five steps.
            constexpr float inputSliderX = 74.5f, outputSliderX = 628.5f;
            constexpr float sliderTop = 93.25f, sliderBottom = 184.75f;
            constexpr float inputTickX = 64.0f, outputTickX = 635.0f;

            // Knobs: centre, scale outer and inner radius (with the segments' swell),
            // and the radius of the opening in the cap.
            struct Knob { Point<float> centre; float scaleOuter, scaleInner, capRadius, opening; };
            const Knob cutoff    { { 351.0f, 104.0f }, 61.5f, 51.0f, 49.5f, 39.0f };
            const Knob resonance { { 500.0f, 157.0f }, 41.5f, 32.0f, 33.5f, 24.0f };
            const Knob type      { { 204.0f, 157.0f }, 41.5f, 32.0f, 33.5f, 24.0f };

            // Drive scale: arcs about a centre far below, the handle on a straight track.
            const Point<float> driveCentre { 351.0f, 766.5f };
            constexpr float driveRadius = 518.0f, driveHalfAngle = 0.042f * MathConstants<float>::pi;
            const Rectangle<float> driveTrack { 290.0f, 260.0f, 122.0f, 7.0f };
            const Point<float> driveColdButton { 306.0f, 292.0f }, driveHotButton { 397.0f, 292.0f };

            // Settings screen.
            const Rectangle<float> scaleColumn    { 116.0f, 84.0f, 50.0f, 150.0f };
            const Rectangle<float> knobModeColumn { 321.0f, 129.0f, 60.0f, 60.0f };
            const Rectangle<float> websiteButton  { 480.0f, 147.0f, 180.0f, 24.0f };
            const Rectangle<float> title          { 301.0f, 35.0f, 100.0f, 20.0f };
        }

        //==============================================================================
        /** A recessed rounded slot: dark floor, shadow under the top edge, light lip below. */
        void drawRecess (Graphics& g, Rectangle<float> r, float corner)
        {
            g.setColour (Colour (0xFF060708));
            g.fillRoundedRectangle (r, corner);

            ColourGradient shade (Colours::black.withAlpha (0.55f), 0.0f, r.getY(),
                                  Colours::transparentBlack, 0.0f, r.getY() + jmin (6.0f, r.getHeight() * 0.5f), false);
            g.setGradientFill (shade);
            g.fillRoundedRectangle (r, corner);

            g.setColour (Colours::black.withAlpha (0.6f));
            g.drawRoundedRectangle (r.reduced (0.25f), corner, 0.5f);

            // The lip catches the light from above.
            Path lip;
            lip.addRoundedRectangle (r.expanded (0.75f), corner + 0.75f);
            g.saveState();
            g.reduceClipRegion (r.expanded (2.0f).withTrimmedTop (r.getHeight() * 0.5f).toNearestInt());
            g.setColour (Colours::white.withAlpha (0.07f));
            g.strokePath (lip, PathStrokeType (0.75f));
            g.restoreState();
        }

        void drawPlate (Graphics& g, Rectangle<float> r, float corner, float lightness)
        {
            g.setColour (Colours::black.withAlpha (0.35f));
            g.fillRoundedRectangle (r.translated (0.0f, 1.5f).expanded (1.0f), corner + 1.0f);

            ColourGradient face (Colours::white.withAlpha (lightness * 1.4f), 0.0f, r.getY(),
                                 Colours::white.withAlpha (lightness * 0.6f), 0.0f, r.getBottom(), false);
            g.setGradientFill (face);
            g.fillRoundedRectangle (r, corner);

            g.setColour (Colours::black.withAlpha (0.5f));
            g.drawRoundedRectangle (r, corner, 0.75f);

            ColourGradient rim (Colours::white.withAlpha (0.08f), 0.0f, r.getY(),
                                Colours::white.withAlpha (0.0f), 0.0f, r.getY() + 10.0f, false);
            g.setGradientFill (rim);
            g.drawRoundedRectangle (r.reduced (0.9f), corner - 0.9f, 0.6f);
        }

        void drawKnobWell (Graphics& g, const Layout::Knob& k)
        {
            const auto c = k.centre;
            const float face = k.scaleOuter + 4.5f, bezel = face + 3.0f;
            auto circle = [c] (float r) { return Rectangle<float> (r * 2.0f, r * 2.0f).withCentre (c); };

            // Soft shadow the bezel throws on the panel.
            ColourGradient halo (Colours::black.withAlpha (0.45f), c.x, c.y + 2.0f,
                                 Colours::transparentBlack, c.x + bezel + 9.0f, c.y + 2.0f, true);
            halo.addColour (bezel / (bezel + 9.0f), Colours::black.withAlpha (0.45f));
            g.setGradientFill (halo);
            g.fillEllipse (circle (bezel + 9.0f).translated (0.0f, 2.0f));

            // Bezel: lit from above.
            ColourGradient ring (Colour (0xFF3A3F44), c.x, c.y - bezel,
                                 Colour (0xFF0E1012), c.x, c.y + bezel, false);
            g.setGradientFill (ring);
            g.fillEllipse (circle (bezel));

            // Recessed face with its shadow under the upper rim.
            ColourGradient floor (Colour (0xFF111315), c.x, c.y - face,
                                  Colour (0xFF0A0B0D), c.x, c.y + face, false);
            g.setGradientFill (floor);
            g.fillEllipse (circle (face));

            ColourGradient rimShadow (Colours::transparentBlack, c.x, c.y + face * 0.15f,
                                      Colours::black.withAlpha (0.55f), c.x, c.y - face, false);
            g.setGradientFill (rimShadow);
            Path faceRing;
            PathTools::addRing (faceRing, c, face, face - 4.0f);
            g.fillPath (faceRing);

            // Bed of the 270° scale, from lower left clockwise to lower right.
            Path bed;
            const float bedRadius = (k.scaleOuter + k.scaleInner) * 0.5f;
            bed.addCentredArc (c.x, c.y, bedRadius, bedRadius, 0.0f,
                               1.25f * MathConstants<float>::pi, 2.75f * MathConstants<float>::pi, true);
            g.setColour (Colours::white.withAlpha (0.035f));
            g.strokePath (bed, PathStrokeType (k.scaleOuter - k.scaleInner + 1.0f, PathStrokeType::curved,
                                               PathStrokeType::rounded));

            // Seat under the cap and the glassy opening in its middle.
            g.setColour (Colours::black.withAlpha (0.5f));
            g.fillEllipse (circle (k.capRadius + 1.5f).translated (0.0f, 1.0f));

            ColourGradient glass (Colour (0xFF181B1F), c.x, c.y - k.opening * 0.4f,
                                  Colour (0xFF08090B), c.x, c.y + k.opening, true);
            g.setGradientFill (glass);
            g.fillEllipse (circle (k.opening));
        }

        void drawSliderGroove (Graphics& g, float x)
        {
            const Rectangle<float> groove (x - 3.5f, Layout::sliderTop - 5.25f, 7.0f,
                                           Layout::sliderBottom - Layout::sliderTop + 10.5f);
            drawRecess (g, groove, 3.5f);
        }

        void drawLegendTicks (Graphics& g, float x)
        {
            g.setColour (Colours::white.withAlpha (0.16f));
            const float step = (Layout::sliderBottom - Layout::sliderTop) / 4.0f;

            for (int i = 0; i < 5; ++i)
            {
                const float y = Layout::sliderBottom - (float) i * step;
                g.fillRect (Rectangle<float> (x, y - 0.5f, 4.0f, 1.0f));
            }
        }

        void drawMeterHousing (Graphics& g, Rectangle<float> meter)
        {
            drawRecess (g, meter.expanded (2.0f), 3.0f);
        }

        void drawDriveBed (Graphics& g)
        {
            const auto c = Layout::driveCentre;
            const float r = Layout::driveRadius, a = Layout::driveHalfAngle;

            // A plate for the whole drive control, then a thin groove under its scale.
            drawPlate (g, { 272.0f, 214.0f, 158.0f, 100.0f }, 9.0f, 0.014f);

            Path arc;
            arc.addCentredArc (c.x, c.y, r, r, 0.0f, -a, a, true);
            const PathStrokeType bed (9.0f, PathStrokeType::curved, PathStrokeType::rounded);

            g.setColour (Colours::white.withAlpha (0.045f));
            g.strokePath (arc, bed, AffineTransform::translation (0.0f, 0.75f));
            g.setColour (Colour (0xFF0A0B0D));
            g.strokePath (arc, bed);

            ColourGradient shade (Colours::black.withAlpha (0.45f), c.x, c.y - r - 4.5f,
                                  Colours::transparentBlack, c.x, c.y - r + 1.0f, false);
            g.setGradientFill (shade);
            g.strokePath (arc, bed);

            drawRecess (g, Layout::driveTrack, 3.5f);

            for (auto centre : { Layout::driveColdButton, Layout::driveHotButton })
                drawRecess (g, Rectangle<float> (21.0f, 21.0f).withCentre (centre), 10.5f);
        }

        /** Per-pixel tone work in floating point, dithered on the way back to 8 bits
            so that wide, faint gradients do not band. The function gets a pixel's
            position in points and its colour (red, green, blue, alpha in 0..255,
            not premultiplied) and changes the colour in place. */
        template <typename Function>
        void processPixels (Image& image, int seed, Function&& function)
        {
            Random random (seed);
            Image::BitmapData data (image, Image::BitmapData::readWrite);

            for (int y = 0; y < data.height; ++y)
            {
                for (int x = 0; x < data.width; ++x)
                {
                    const auto c = data.getPixelColour (x, y);
                    float rgba[4] = { (float) c.getRed(), (float) c.getGreen(), (float) c.getBlue(), (float) c.getAlpha() };
                    function (((float) x + 0.5f) / scale, ((float) y + 0.5f) / scale, rgba);

                    const float dither = random.nextFloat() - 0.5f;
                    auto toByte = [dither] (float v) { return (uint8) jlimit (0, 255, (int) std::floor (v + 0.5f + dither)); };
                    data.setPixelColour (x, y, Colour (toByte (rgba[0]), toByte (rgba[1]), toByte (rgba[2]),
                                                       (uint8) jlimit (0, 255, (int) std::lround (rgba[3]))));
                }
            }
        }

        float smoothStep (float t) { t = jlimit (0.0f, 1.0f, t); return t * t * (3.0f - 2.0f * t); }

        void setBetween (float* rgba, Colour from, Colour to, float t)
        {
            rgba[0] = (float) from.getRed()   + ((float) to.getRed()   - (float) from.getRed())   * t;
            rgba[1] = (float) from.getGreen() + ((float) to.getGreen() - (float) from.getGreen()) * t;
            rgba[2] = (float) from.getBlue()  + ((float) to.getBlue()  - (float) from.getBlue())  * t;
        }

        void mix (float* rgba, Colour target, float amount)
        {
            rgba[0] += ((float) target.getRed()   - rgba[0]) * amount;
            rgba[1] += ((float) target.getGreen() - rgba[1]) * amount;
            rgba[2] += ((float) target.getBlue()  - rgba[2]) * amount;
        }
    }

    //==============================================================================
    Image makeControlPanel()
    {
        Image image (Image::RGB, width, height, true);

        // The panel: darker towards the bottom, a broad faint light over the centre.
        processPixels (image, 703, [] (float x, float y, float* rgba)
        {
            setBetween (rgba, Colour (0xFF1F2225), Colour (0xFF141619), y / Layout::panelHeight);
            const float d = Point<float> (x, y).getDistanceFrom ({ 351.0f, 110.0f }) / 330.0f;
            mix (rgba, Colours::white, 0.04f * (1.0f - smoothStep (d)));
        });

        {
            Graphics g (image);
            g.addTransform (AffineTransform::scale (scale));
            const Rectangle<float> panel (Layout::panelWidth, Layout::panelHeight);

            // The two level sections run off the panel's sides.
            drawPlate (g, { -12.0f, 64.0f, 116.0f, 200.0f }, 9.0f, 0.018f);
            drawPlate (g, { 599.0f, 64.0f, 116.0f, 200.0f }, 9.0f, 0.018f);

            drawMeterHousing (g, Layout::inputMeter);
            drawMeterHousing (g, Layout::outputMeter);
            drawSliderGroove (g, Layout::inputSliderX);
            drawSliderGroove (g, Layout::outputSliderX);
            drawLegendTicks (g, Layout::inputTickX);
            drawLegendTicks (g, Layout::outputTickX);

            drawKnobWell (g, Layout::type);
            drawKnobWell (g, Layout::resonance);
            drawKnobWell (g, Layout::cutoff);
            drawDriveBed (g);

            g.setColour (Colours::white.withAlpha (0.06f));
            g.drawRoundedRectangle (panel.reduced (1.5f), 5.0f, 1.0f);
            g.setColour (Colours::black.withAlpha (0.6f));
            g.drawRect (panel, 1.0f);
        }

        // Darker edges, and a fine grain over everything.
        Random grain (1406);
        processPixels (image, 319, [&grain] (float x, float y, float* rgba)
        {
            const float d = Point<float> (x, y).getDistanceFrom ({ 351.0f, 160.0f }) / 420.0f;
            const float keep = 1.0f - 0.28f * smoothStep (d);
            const float n = (grain.nextFloat() - 0.5f) * 2.0f;

            for (int i = 0; i < 3; ++i)
                rgba[i] = rgba[i] * keep + n;
        });

        return image;
    }

    Image makeSettingsScreen()
    {
        Image image (Image::ARGB, width, height, true);

        // The veil lets the control panel show through faintly, more at the centre.
        processPixels (image, 638, [] (float x, float y, float* rgba)
        {
            const float t = smoothStep (Point<float> (x, y).getDistanceFrom ({ 351.0f, 150.0f }) / 400.0f);
            setBetween (rgba, Colour (0xFF191C20), Colour (0xFF08090B), t);
            rgba[3] = 238.0f + 9.0f * t;
        });

        Graphics g (image);
        g.addTransform (AffineTransform::scale (scale));
        const Rectangle<float> panel (Layout::panelWidth, Layout::panelHeight);

        // Rules left and right of the title.
        const auto t = Layout::title;
        const float ruleY = t.getCentreY() + 0.5f;
        g.setGradientFill (ColourGradient (Colours::white.withAlpha (0.0f), t.getX() - 90.0f, ruleY,
                                           Colours::white.withAlpha (0.22f), t.getX() - 6.0f, ruleY, false));
        g.fillRect (Rectangle<float> (t.getX() - 90.0f, ruleY - 0.5f, 84.0f, 1.0f));
        g.setGradientFill (ColourGradient (Colours::white.withAlpha (0.22f), t.getRight() + 6.0f, ruleY,
                                           Colours::white.withAlpha (0.0f), t.getRight() + 90.0f, ruleY, false));
        g.fillRect (Rectangle<float> (t.getRight() + 6.0f, ruleY - 0.5f, 84.0f, 1.0f));

        drawPlate (g, Layout::scaleColumn.expanded (8.0f), 7.0f, 0.03f);
        drawPlate (g, Layout::knobModeColumn.expanded (8.0f), 7.0f, 0.03f);
        drawPlate (g, Layout::websiteButton.expanded (6.0f), 7.0f, 0.02f);

        g.setColour (Colours::white.withAlpha (0.05f));
        g.drawRect (panel.reduced (1.0f), 1.0f);
        return image;
    }
}
