# Turns the --help text of one command into a subsection of the manual page:
# the usage line as its heading, the description as text, and every option
# and argument as a tagged paragraph, its wrapped lines joined again.

# Text as roff reads it literally.
function roff(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    sub(/^[.']/, "\\\\\\&&", text)
    return text
}

# An option or argument: names in bold, values in italics.
function term(text,    out) {
    text = roff(text)
    out = ""
    while (match(text, /(\\-)+[a-z0-9][a-z0-9\\-]*|<[^>]*>/)) {
        piece = substr(text, RSTART, RLENGTH)
        if (substr(piece, 1, 1) == "<")
            piece = "\\fI" substr(piece, 2, RLENGTH - 2) "\\fR"
        else
            piece = "\\fB" piece "\\fR"
        out = out substr(text, 1, RSTART - 1) piece
        text = substr(text, RSTART + RLENGTH)
    }
    return out text
}

function flush() {
    if (entry != "") {
        print ".TP"
        print section == "Arguments:" ? "\\fI" roff(entry) "\\fR" : term(entry)
        print roff(description)
    }
    entry = ""
    description = ""
}

NR == 1 {
    sub(/^Usage: /, "")
    print ".SS \"" roff($0) "\""
    next
}
/^(Options|Arguments):$/ { flush(); section = $0; next }
/^$/ { flush(); if (section == "") print ".PP"; next }
section == "" { print roff($0); next }
/^  [^ ]/ {
    flush()
    line = substr($0, 3)
    split_at = match(line, /  +/)
    if (split_at) {
        entry = substr(line, 1, RSTART - 1)
        description = substr(line, RSTART + RLENGTH)
    } else {
        entry = line
    }
    next
}
/^   +/ { sub(/^ +/, ""); description = description " " $0; next }
END { flush() }
