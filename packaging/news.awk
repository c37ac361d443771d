# SPDX-License-Identifier: GPL-3.0-or-later
# packaging/news.awk: NEWS.md turned into the Debian changelog (mode=changelog) or into the
# releases of the AppStream entry (mode=releases). The newest release must be the version set in
# CMake (-v version=...); the changelog's entries are signed by -v maintainer=...
function fail(message) {
    print "NEWS.md:" NR ": " message > "/dev/stderr"
    failed = 1
    exit 1
}
function xml(text) {
    gsub(/&/, "\\&amp;", text)
    gsub(/</, "\\&lt;", text)
    gsub(/>/, "\\&gt;", text)
    gsub(/`/, "", text)
    return text
}
# An entry (a paragraph or a list item) ends; releases print it whole, on one line.
function end_entry() {
    if (entry == "")
        return
    if (mode == "releases") {
        if (entry_is_item && !in_list) {
            print "        <ul>"
            in_list = 1
        } else if (!entry_is_item && in_list) {
            print "        </ul>"
            in_list = 0
        }
        if (entry_is_item)
            print "          <li>" xml(entry) "</li>"
        else
            print "        <p>" xml(entry) "</p>"
    }
    entry = ""
}
# A line of an entry: the changelog keeps the lines as written, under a "*".
function add_line(text, starts_entry, is_item) {
    if (starts_entry) {
        end_entry()
        entry = text
        entry_is_item = is_item
        if (mode == "changelog")
            print "  * " text
    } else {
        entry = entry " " text
        if (mode == "changelog")
            print "    " text
    }
}
function start_release(heading) {
    if (!match(heading, /^## [^ ]+ \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/))
        fail("a release heading reads ## VERSION (YYYY-MM-DD)")
    split(heading, words, " ")
    release_version = words[2]
    release_date = substr(words[3], 2, 10)
    if (releases == 0 && release_version != version)
        fail("the newest release is " release_version ", but CMake sets version " version)
    releases++
    if (mode == "changelog") {
        if (releases > 1)
            print ""
        print "varnekworks (" release_version ") unstable; urgency=medium"
        print ""
    } else {
        print "    <release version=\"" release_version "\" date=\"" release_date "\">"
        print "      <description>"
    }
}
function end_release() {
    if (releases == 0)
        return
    end_entry()
    if (mode == "changelog") {
        command = "LC_ALL=C date -u -R -d " release_date
        command | getline signed
        close(command)
        print ""
        print " -- " maintainer "  " signed
    } else {
        if (in_list)
            print "        </ul>"
        in_list = 0
        print "      </description>"
        print "    </release>"
    }
}
/^## / { end_release(); start_release($0); next }
releases == 0 { next }
/^[ \t]*$/ { end_entry(); next }
/^- / { add_line(substr($0, 3), 1, 1); next }
/^  / && entry != "" && entry_is_item { add_line(substr($0, 3), 0, 1); next }
{ add_line($0, entry == "", 0) }
END {
    if (failed)
        exit 1
    if (releases == 0)
        fail("no release heading (## VERSION (YYYY-MM-DD))")
    end_release()
}
