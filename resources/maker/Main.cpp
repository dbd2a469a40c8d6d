// Writes the product's icons, logos and background pictures into the resources
// folder given as the first argument. With "--preview <folder>" it also renders
// every outline large into PNG files for checking them by eye.
#include "Icons.h"
#include "Logos.h"
#include "PathTools.h"
#include "Pictures.h"

using namespace juce;

namespace
{
    bool writeBlock (const File& file, const MemoryBlock& block)
    {
        file.getParentDirectory().createDirectory();
        return file.replaceWithData (block.getData(), block.getSize());
    }

    bool writePng (const File& file, const Image& image)
    {
        file.getParentDirectory().createDirectory();
        file.deleteFile();
        FileOutputStream out (file);
        return out.openedOk() && PNGImageFormat().writeImageToStream (image, out);
    }

    /** Every outline large, and once more at the size it is shown at. */
    bool writeContactSheet (const File& file, const std::vector<std::pair<String, Path>>& outlines)
    {
        constexpr int cell = 220;
        Image image (Image::RGB, cell * 4, cell * (((int) outlines.size() + 3) / 4), true);
        Graphics g (image);
        g.fillAll (Colour (0xFF202326));
        g.setColour (Colour (0xFFE0E0E0));

        for (size_t i = 0; i < outlines.size(); ++i)
        {
            const auto& path = outlines[i].second;
            const auto b = path.getBounds();
            const auto area = Rectangle<float> ((float) ((int) i % 4 * cell), (float) ((int) i / 4 * cell),
                                                (float) cell, (float) cell);
            g.fillPath (path, RectanglePlacement (RectanglePlacement::centred)
                                  .getTransformToFit (b, area.reduced (30.0f, 40.0f).withTrimmedBottom (30.0f)));
            g.fillPath (path, AffineTransform::translation (area.getX() + 10.0f - b.getX(),
                                                            area.getBottom() - 30.0f - b.getY()));
        }

        return writePng (file, image);
    }
}

int main (int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: vortane_resource_maker <resources folder> [--preview <folder>]\n";
        return 2;
    }

    const File resources (File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    File preview;

    if (argc >= 4 && String (argv[2]) == "--preview")
        preview = File::getCurrentWorkingDirectory().getChildFile (argv[3]);

    bool ok = true;
    std::vector<std::pair<String, Path>> outlines;

    for (auto& icon : Icons::makeIconSet())
        outlines.emplace_back ("icons/" + icon.fileName, icon.path);

    outlines.emplace_back ("icons/driveHot.path", Icons::makeDriveHotIcon());
    outlines.emplace_back ("icons/driveCold.path", Icons::makeDriveColdIcon());
    outlines.emplace_back ("logos/makerLogo.path", Logos::makeMakerLogo());

    for (auto& [name, path] : outlines)
        ok = writeBlock (resources.getChildFile (name), PathTools::toPathData (path)) && ok;

    if (preview != File())
        ok = writeContactSheet (preview.getChildFile ("outlines.png"), outlines) && ok;

    ok = resources.getChildFile ("logos/productLogo.svg").replaceWithText (Logos::makeProductLogoSvg()) && ok;
    ok = writePng (resources.getChildFile ("pictures/controlPanel.png"), Pictures::makeControlPanel()) && ok;
    ok = writePng (resources.getChildFile ("pictures/settingsScreen.png"), Pictures::makeSettingsScreen()) && ok;

    if (! ok)
        std::cerr << "could not write every resource\n";

    return ok ? 0 : 1;
}
