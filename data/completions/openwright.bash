# bash completion for openwright                                          -*- shell-script -*-
# SPDX-License-Identifier: GPL-3.0-or-later
# The words come from openwright itself ("openwright --complete WORD..."), so they follow its
# commands, the types it watches and the applications installed for each type, by name and ID.

_openwright()
{
    # Split the line here: bash's own words break "mailto:" apart at the colon.
    local line=${COMP_LINE:0:COMP_POINT}
    local -a words found
    read -ra words <<<"$line"
    [[ $line == *[[:space:]] ]] && words+=("")
    local cur=${words[${#words[@]}-1]}
    local IFS=$'\n'
    found=($("${words[0]}" --complete "${words[@]:1}" 2>/dev/null))
    if [[ ${found[0]-} == ":files" ]]; then
        compopt -o filenames 2>/dev/null
        found=($(compgen -f -- "$cur"))
    elif [[ $cur == *:* ]]; then
        # bash replaces only what follows the word's last colon.
        local prefix=${cur%"${cur##*:}"}
        found=("${found[@]#"$prefix"}")
    fi
    # Application names hold spaces: bash quotes what it inserts as it does for file names.
    local f
    for f in "${found[@]}"; do
        [[ $f == *" "* ]] && { compopt -o filenames 2>/dev/null; break; }
    done
    COMPREPLY=("${found[@]}")
}
complete -F _openwright openwright
