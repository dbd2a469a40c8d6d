#include "PathTools.h"

using namespace juce;

namespace PathTools
{
    void addPolygon (Path& path, std::initializer_list<Point<float>> points, bool clockwise)
    {
        Array<Point<float>> pts (points);

        if (! clockwise)
            std::reverse (pts.begin(), pts.end());

        path.startNewSubPath (pts.getFirst());

        for (int i = 1; i < pts.size(); ++i)
            path.lineTo (pts[i]);

        path.closeSubPath();
    }

    static void addRoundedBoxClockwise (Path& path, Rectangle<float> r, float c)
    {
        const float x = r.getX(), y = r.getY(), right = r.getRight(), bottom = r.getBottom();
        c = jmin (c, r.getWidth() * 0.5f, r.getHeight() * 0.5f);
        const float k = c * 0.4477f; // control distance from the corner for a quarter circle

        path.startNewSubPath (x + c, y);
        path.lineTo (right - c, y);
        path.cubicTo (right - k, y, right, y + k, right, y + c);
        path.lineTo (right, bottom - c);
        path.cubicTo (right, bottom - k, right - k, bottom, right - c, bottom);
        path.lineTo (x + c, bottom);
        path.cubicTo (x + k, bottom, x, bottom - k, x, bottom - c);
        path.lineTo (x, y + c);
        path.cubicTo (x, y + k, x + k, y, x + c, y);
        path.closeSubPath();
    }

    static void addRoundedBoxAnticlockwise (Path& path, Rectangle<float> r, float c)
    {
        const float x = r.getX(), y = r.getY(), right = r.getRight(), bottom = r.getBottom();
        c = jmin (c, r.getWidth() * 0.5f, r.getHeight() * 0.5f);
        const float k = c * 0.4477f;

        path.startNewSubPath (x + c, y);
        path.cubicTo (x + k, y, x, y + k, x, y + c);
        path.lineTo (x, bottom - c);
        path.cubicTo (x, bottom - k, x + k, bottom, x + c, bottom);
        path.lineTo (right - c, bottom);
        path.cubicTo (right - k, bottom, right, bottom - k, right, bottom - c);
        path.lineTo (right, y + c);
        path.cubicTo (right, y + k, right - k, y, right - c, y);
        path.closeSubPath();
    }

    void addRoundedBox (Path& path, Rectangle<float> r, float corner, bool clockwise)
    {
        if (clockwise)
            addRoundedBoxClockwise (path, r, corner);
        else
            addRoundedBoxAnticlockwise (path, r, corner);
    }

    void addEllipse (Path& path, Rectangle<float> r, bool clockwise)
    {
        const float cx = r.getCentreX(), cy = r.getCentreY();
        const float rx = r.getWidth() * 0.5f, ry = r.getHeight() * 0.5f;
        const float kx = rx * 0.5523f, ky = ry * 0.5523f;
        const float s = clockwise ? 1.0f : -1.0f;

        path.startNewSubPath (cx, cy - ry);
        path.cubicTo (cx + s * kx, cy - ry, cx + s * rx, cy - ky, cx + s * rx, cy);
        path.cubicTo (cx + s * rx, cy + ky, cx + s * kx, cy + ry, cx, cy + ry);
        path.cubicTo (cx - s * kx, cy + ry, cx - s * rx, cy + ky, cx - s * rx, cy);
        path.cubicTo (cx - s * rx, cy - ky, cx - s * kx, cy - ry, cx, cy - ry);
        path.closeSubPath();
    }

    void addCircle (Path& path, Point<float> centre, float radius, bool clockwise)
    {
        addEllipse (path, Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre), clockwise);
    }

    void addRing (Path& path, Point<float> centre, float outerRadius, float innerRadius)
    {
        addCircle (path, centre, outerRadius, true);
        addCircle (path, centre, innerRadius, false);
    }

    //==============================================================================
    namespace
    {
        struct Segment
        {
            Path::Iterator::PathElementType type;
            Point<float> p1, p2, p3;   // control points and end point as the element gives them
        };

        struct SubPath
        {
            Point<float> start;
            std::vector<Segment> segments;
            bool closed = false;
        };

        std::vector<SubPath> split (const Path& path)
        {
            std::vector<SubPath> result;
            Path::Iterator it (path);

            while (it.next())
            {
                switch (it.elementType)
                {
                    case Path::Iterator::startNewSubPath:
                        result.push_back ({});
                        result.back().start = { it.x1, it.y1 };
                        break;
                    case Path::Iterator::lineTo:
                        result.back().segments.push_back ({ it.elementType, { it.x1, it.y1 }, {}, {} });
                        break;
                    case Path::Iterator::quadraticTo:
                        result.back().segments.push_back ({ it.elementType, { it.x1, it.y1 }, { it.x2, it.y2 }, {} });
                        break;
                    case Path::Iterator::cubicTo:
                        result.back().segments.push_back ({ it.elementType, { it.x1, it.y1 }, { it.x2, it.y2 }, { it.x3, it.y3 } });
                        break;
                    case Path::Iterator::closePath:
                        result.back().closed = true;
                        break;
                    default:
                        break;
                }
            }

            return result;
        }

        Point<float> endOf (const Segment& s)
        {
            if (s.type == Path::Iterator::quadraticTo) return s.p2;
            if (s.type == Path::Iterator::cubicTo)     return s.p3;
            return s.p1;
        }

        /** Twice the signed area of the flattened sub-path; positive for clockwise on screen. */
        float signedArea (const SubPath& sub)
        {
            Path single;
            single.startNewSubPath (sub.start);

            for (auto& s : sub.segments)
            {
                if (s.type == Path::Iterator::lineTo)           single.lineTo (s.p1);
                else if (s.type == Path::Iterator::quadraticTo) single.quadraticTo (s.p1, s.p2);
                else                                            single.cubicTo (s.p1, s.p2, s.p3);
            }

            single.closeSubPath();

            float area = 0.0f;
            PathFlatteningIterator flat (single, {}, 0.01f);

            while (flat.next())
                area += flat.x1 * flat.y2 - flat.x2 * flat.y1;

            return area;
        }

        void append (Path& dest, const SubPath& sub, bool reversed)
        {
            if (! reversed)
            {
                dest.startNewSubPath (sub.start);

                for (auto& s : sub.segments)
                {
                    if (s.type == Path::Iterator::lineTo)           dest.lineTo (s.p1);
                    else if (s.type == Path::Iterator::quadraticTo) dest.quadraticTo (s.p1, s.p2);
                    else                                            dest.cubicTo (s.p1, s.p2, s.p3);
                }
            }
            else
            {
                const auto& segs = sub.segments;
                dest.startNewSubPath (segs.empty() ? sub.start : endOf (segs.back()));

                for (auto i = segs.size(); i-- > 0;)
                {
                    const auto from = i > 0 ? endOf (segs[i - 1]) : sub.start;
                    const auto& s = segs[i];

                    if (s.type == Path::Iterator::lineTo)           dest.lineTo (from);
                    else if (s.type == Path::Iterator::quadraticTo) dest.quadraticTo (s.p1, from);
                    else                                            dest.cubicTo (s.p2, s.p1, from);
                }
            }

            if (sub.closed)
                dest.closeSubPath();
        }
    }

    Path allClockwise (const Path& path)
    {
        Path result;

        for (auto& sub : split (path))
            append (result, sub, signedArea (sub) < 0.0f);

        result.setUsingNonZeroWinding (true);
        return result;
    }

    Path strokeOutline (const Path& centreLine, float thickness,
                        PathStrokeType::JointStyle joint, PathStrokeType::EndCapStyle cap)
    {
        Path outline;
        PathStrokeType (thickness, joint, cap).createStrokedPath (outline, centreLine);
        return allClockwise (outline);
    }

    Path fitExactly (const Path& path, float width, float height)
    {
        const auto b = path.getBounds();
        Path result (path);

        if (b.getWidth() > 0.0f && b.getHeight() > 0.0f)
            result.applyTransform (AffineTransform::translation (-b.getX(), -b.getY())
                                       .scaled (width / b.getWidth(), height / b.getHeight()));

        result.setUsingNonZeroWinding (true);
        return result;
    }

    MemoryBlock toPathData (const Path& path)
    {
        Path p (path);
        p.setUsingNonZeroWinding (true);

        MemoryOutputStream out;
        p.writePathToStream (out);
        return out.getMemoryBlock();
    }

    String toSvgPathData (const Path& path, int decimals)
    {
        auto num = [decimals] (float v)
        {
            auto s = String (v, decimals);

            if (s.containsChar ('.'))
                s = s.trimCharactersAtEnd ("0").trimCharactersAtEnd (".");

            return s == "-0" ? String ("0") : s;
        };

        auto pt = [&num] (float x, float y) { return num (x) + " " + num (y); };

        String d;
        Path::Iterator it (path);

        while (it.next())
        {
            switch (it.elementType)
            {
                case Path::Iterator::startNewSubPath: d << "M" << pt (it.x1, it.y1); break;
                case Path::Iterator::lineTo:          d << "L" << pt (it.x1, it.y1); break;
                case Path::Iterator::quadraticTo:     d << "Q" << pt (it.x1, it.y1) << " " << pt (it.x2, it.y2); break;
                case Path::Iterator::cubicTo:         d << "C" << pt (it.x1, it.y1) << " " << pt (it.x2, it.y2)
                                                        << " " << pt (it.x3, it.y3); break;
                case Path::Iterator::closePath:       d << "Z"; break;
                default: break;
            }
        }

        return d;
    }
}
