# fish completion for openwright
# SPDX-License-Identifier: GPL-3.0-or-later
# The words come from openwright itself ("openwright --complete WORD..."), so they follow its
# commands, the types it watches and the applications installed for each type, by name and ID.

function __openwright_complete
    set -l words (commandline -opc) (commandline -ct)
    set -l found ($words[1] --complete $words[2..-1] 2>/dev/null)
    if test "$found[1]" = ":files"
        __fish_complete_path (commandline -ct)
    else
        printf '%s\n' $found
    end
end

complete -c openwright -f -a '(__openwright_complete)'
