# bash completion for dirforge-cli
_dirforge_cli() {
    local cur prev words cword
    _init_completion || return

    local command="" word
    for word in "${words[@]:1:cword-1}"; do
        case $word in
            strings | paths | numbers | undo) command=$word && break ;;
        esac
    done

    case $prev in
        --names | --paths | --templates | --journal | --profile)
            _filedir
            return ;;
        --dest | --structure)
            _filedir -d
            return ;;
        --attach)
            COMPREPLY=($(compgen -W 'nothing existing templates' -- "$cur"))
            return ;;
        --copy)
            COMPREPLY=($(compgen -W 'main sub main-files sub-files' -- "$cur"))
            return ;;
        --template-option)
            COMPREPLY=($(compgen -W 'keep drop-first replace-first replace-text=' -- "$cur"))
            [[ ${COMPREPLY[0]} == *= ]] && compopt -o nospace
            return ;;
        --drive | --name | --path | --prefix | --suffix | --template | --start | --end | \
            --columns | --delimiter | --quote)
            return ;;
    esac

    local creation='--prefix --suffix --hyphen --attach --structure --copy --template --templates
        --template-option --fill-existing --tokens --simulate --journal --json --profile --quiet --drive --help'
    case $command in
        "") COMPREPLY=($(compgen -W 'strings paths numbers undo --drive --help --version' -- "$cur")) ;;
        strings) COMPREPLY=($(compgen -W "--dest --names --name --columns --delimiter --quote $creation" -- "$cur")) ;;
        paths) COMPREPLY=($(compgen -W "--paths --path $creation" -- "$cur")) ;;
        numbers) COMPREPLY=($(compgen -W "--dest --start --end --pad --number-suffix $creation" -- "$cur")) ;;
        undo) COMPREPLY=($(compgen -W '--journal --json --quiet --drive --help' -- "$cur")) ;;
    esac
} && complete -F _dirforge_cli dirforge-cli
