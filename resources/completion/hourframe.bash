# bash completion for hourframe                            -*- shell-script -*-
# The program itself says what fits where (hourframe --complete WORDS...):
# commands, options, periods, setting names, or ":hf" and ":file" for files.

_hourframe()
{
    local cur prev words cword
    _init_completion -n = || return

    local line
    COMPREPLY=()
    while IFS= read -r line; do
        case $line in
            :hf) _filedir hf ;;
            :file) _filedir ;;
            "$cur"*) COMPREPLY+=("$line") ;;
        esac
    done < <("$1" --complete "${words[@]:1:cword}" 2>/dev/null)
    [[ ${#COMPREPLY[@]} -eq 1 && $COMPREPLY == *= ]] && compopt -o nospace
} &&
    complete -F _hourframe hourframe
