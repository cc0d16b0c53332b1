# fish completion for hourframe. The program itself says what fits where
# (hourframe --complete WORDS...): commands, options, periods, setting names,
# or ":hf" and ":file" for files.

function __hourframe_complete
    set -l words (commandline -opc)
    set -l current (commandline -ct)
    for line in ($words[1] --complete $words[2..-1] "$current" 2>/dev/null)
        switch $line
            case :hf
                # Data files and the folders that may hold them, as in bash and zsh.
                string match -r -- '^.*(?:\.hf|/)$' (complete -C "__fish_command_without_completions $current")
            case :file
                __fish_complete_path $current
            case '*'
                echo $line
        end
    end
end

complete -c hourframe -f -a '(__hourframe_complete)'
