#include "support/FileWriteCounter.h"

#include <sys/inotify.h>
#include <unistd.h>

FileWriteCounter::FileWriteCounter (const juce::File& file)
    : fileName (file.getFileName())
{
    file.getParentDirectory().createDirectory();
    fd = inotify_init1 (IN_NONBLOCK | IN_CLOEXEC);
    if (fd >= 0)
        watch = inotify_add_watch (fd, file.getParentDirectory().getFullPathName().toRawUTF8(),
                                   IN_CLOSE_WRITE | IN_MOVED_TO);
}

FileWriteCounter::~FileWriteCounter()
{
    if (fd >= 0)
        close (fd);
}

int FileWriteCounter::count()
{
    alignas (inotify_event) char buffer[8192];

    for (ssize_t n; fd >= 0 && (n = read (fd, buffer, sizeof (buffer))) > 0;)
        for (ssize_t offset = 0; offset < n;)
        {
            const auto* event = reinterpret_cast<const inotify_event*> (buffer + offset);
            if (event->len > 0 && fileName == juce::String::fromUTF8 (event->name))
                ++writes;
            offset += (ssize_t) (sizeof (inotify_event) + event->len);
        }

    return watch >= 0 ? writes : -1;
}
