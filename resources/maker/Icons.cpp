#include "Icons.h"
#include "PathTools.h"

using namespace juce;
using namespace PathTools;

namespace Icons
{
    static Path folder()
    {
        Path p;
        // The tab and back wall, then the front flap below a gap.
        Path back;
        addPolygon (back, { { 0.0f, 0.0f }, { 4.4f, 0.0f }, { 5.9f, 1.7f }, { 12.0f, 1.7f },
                            { 12.0f, 4.2f }, { 0.0f, 4.2f } });
        p.addPath (back.createPathWithRoundedCorners (0.8f));
        addRoundedBox (p, { 0.0f, 5.3f, 12.0f, 6.7f }, 1.0f);
        return fitExactly (allClockwise (p), 12.0f, 12.0f);
    }

    static Path plus()
    {
        Path p;
        addRoundedBox (p, { 0.0f, 4.9f, 12.0f, 2.2f }, 1.1f);
        addRoundedBox (p, { 4.9f, 0.0f, 2.2f, 12.0f }, 1.1f);
        return fitExactly (p, 12.0f, 12.0f);
    }

    static Path save()
    {
        Path p;
        Path body;
        addPolygon (body, { { 0.0f, 0.0f }, { 9.3f, 0.0f }, { 12.0f, 2.7f }, { 12.0f, 11.5f }, { 0.0f, 11.5f } });
        p.addPath (body.createPathWithRoundedCorners (1.2f));
        addRoundedBox (p, { 2.4f, 1.4f, 5.6f, 2.8f }, 0.6f, false);   // shutter
        addCircle (p, { 6.0f, 7.7f }, 1.9f, false);                     // hub
        return fitExactly (p, 12.0f, 11.5f);
    }

    static Path chevron (bool pointsLeft)
    {
        // Round caps and joint of radius 1.1 bring the outline to 10 × 10.
        Path line;
        const float tip = pointsLeft ? 1.1f : 8.9f, back = pointsLeft ? 8.9f : 1.1f;
        line.startNewSubPath (back, 1.1f);
        line.lineTo (tip, 5.0f);
        line.lineTo (back, 8.9f);
        return fitExactly (strokeOutline (line, 2.2f, PathStrokeType::curved, PathStrokeType::rounded),
                           10.0f, 10.0f);
    }

    static void addLinkRing (Path& p, Rectangle<float> r, float band)
    {
        addRoundedBox (p, r, r.getHeight() * 0.5f, true);
        addRoundedBox (p, r.reduced (band), r.reduced (band).getHeight() * 0.5f, false);
    }

    static Path linked()
    {
        Path p;
        addLinkRing (p, { 0.0f, 0.0f, 10.6f, 9.6f }, 1.7f);
        addLinkRing (p, { 6.8f, 0.0f, 10.6f, 9.6f }, 1.7f);
        return fitExactly (p, 17.4f, 9.6f);
    }

    static Path unlinked()
    {
        // Two half links facing each other across a gap.
        Path left, right;
        left.startNewSubPath (7.0f, 0.85f);
        left.lineTo (4.75f, 0.85f);
        left.addCentredArc (4.75f, 4.75f, 3.9f, 3.9f, 0.0f, 0.0f, -MathConstants<float>::pi, false);
        left.lineTo (7.0f, 8.65f);

        right.startNewSubPath (10.4f, 0.85f);
        right.lineTo (12.65f, 0.85f);
        right.addCentredArc (12.65f, 4.75f, 3.9f, 3.9f, 0.0f, 0.0f, MathConstants<float>::pi, false);
        right.lineTo (10.4f, 8.65f);

        Path p (strokeOutline (left, 1.7f, PathStrokeType::curved, PathStrokeType::rounded));
        p.addPath (strokeOutline (right, 1.7f, PathStrokeType::curved, PathStrokeType::rounded));
        return fitExactly (p, 17.4f, 9.5f);
    }

    static Path lock()
    {
        Path shackle;
        shackle.startNewSubPath (2.3f, 5.2f);
        shackle.lineTo (2.3f, 3.2f);
        shackle.addCentredArc (4.8f, 3.2f, 2.5f, 2.5f, 0.0f, -MathConstants<float>::halfPi,
                               MathConstants<float>::halfPi, false);
        shackle.lineTo (7.3f, 5.2f);

        Path p (strokeOutline (shackle, 1.4f, PathStrokeType::curved, PathStrokeType::butt));
        addRoundedBox (p, { 0.0f, 4.4f, 9.6f, 5.4f }, 1.0f);
        addCircle (p, { 4.8f, 6.8f }, 0.9f, false);               // keyhole
        return fitExactly (p, 9.6f, 9.8f);
    }

    std::vector<Icon> makeIconSet()
    {
        return {
            { "iconFolder.path",   folder() },
            { "iconPlus.path",     plus() },
            { "iconSave.path",     save() },
            { "iconPrevious.path", chevron (true) },
            { "iconNext.path",     chevron (false) },
            { "iconLinked.path",   linked() },
            { "iconUnlinked.path", unlinked() },
            { "iconLock.path",     lock() }
        };
    }

    //==============================================================================
    Path makeDriveHotIcon()
    {
        Path p;
        // Outer flame, clockwise from the bottom.
        p.startNewSubPath (6.0f, 16.0f);
        p.cubicTo (2.7f, 16.0f, 0.4f, 13.6f, 0.4f, 10.5f);
        p.cubicTo (0.4f, 7.0f, 3.3f, 5.4f, 4.2f, 2.6f);
        p.cubicTo (4.5f, 1.6f, 4.6f, 0.8f, 4.4f, 0.0f);
        p.cubicTo (7.7f, 1.6f, 9.9f, 4.5f, 9.6f, 7.7f);
        p.cubicTo (10.3f, 7.0f, 10.7f, 6.1f, 10.8f, 5.0f);
        p.cubicTo (11.7f, 6.5f, 11.6f, 8.5f, 11.6f, 10.5f);
        p.cubicTo (11.6f, 13.6f, 9.3f, 16.0f, 6.0f, 16.0f);
        p.closeSubPath();

        // Inner tongue cut out, anticlockwise.
        p.startNewSubPath (6.0f, 14.6f);
        p.cubicTo (7.5f, 14.6f, 8.4f, 13.6f, 8.4f, 12.4f);
        p.cubicTo (8.4f, 10.9f, 7.3f, 9.7f, 5.7f, 8.6f);
        p.cubicTo (5.1f, 10.2f, 3.6f, 11.0f, 3.6f, 12.4f);
        p.cubicTo (3.6f, 13.6f, 4.5f, 14.6f, 6.0f, 14.6f);
        p.closeSubPath();

        p.setUsingNonZeroWinding (true);
        return p;
    }

    Path makeDriveColdIcon()
    {
        // Six arms with two side branches each, stroked as one figure.
        Path arms;
        const Point<float> centre (8.0f, 8.0f);

        for (int i = 0; i < 6; ++i)
        {
            const auto angle = (float) i * MathConstants<float>::pi / 3.0f;
            auto at = [&] (float radius, float offset)
            {
                return centre.getPointOnCircumference (radius, angle + offset);
            };

            arms.startNewSubPath (centre);
            arms.lineTo (at (7.2f, 0.0f));

            const auto branchRoot = at (4.4f, 0.0f);
            const auto spread = 0.62f;
            arms.startNewSubPath (branchRoot.getPointOnCircumference (2.4f, angle - spread));
            arms.lineTo (branchRoot);
            arms.lineTo (branchRoot.getPointOnCircumference (2.4f, angle + spread));
        }

        return strokeOutline (arms, 1.35f, PathStrokeType::curved, PathStrokeType::rounded);
    }
}
