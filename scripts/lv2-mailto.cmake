# Run after the framework's LV2 manifest helper: the helper writes the maker's
# e-mail as a bare IRI (foaf:mbox <name@host>), which hosts resolve against the
# bundle into a file path. Turns it into a mailto: address.
# Usage: cmake -DTTL=<bundle>/dsp.ttl -P lv2-mailto.cmake
file(READ "${TTL}" text)
string(REGEX REPLACE "foaf:mbox <([^:>]+@[^>]+)>" "foaf:mbox <mailto:\\1>" fixed "${text}")
if(NOT fixed STREQUAL text)
    file(WRITE "${TTL}" "${fixed}")
endif()
