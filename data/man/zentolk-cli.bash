# Bash completion for zentolk-cli.

_zentolk_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    # Bash splits --name=value at the "=": complete the value as after --name.
    if [ "$cur" = "=" ]; then
        cur=
    elif [ "$prev" = "=" ] && [ "$COMP_CWORD" -gt 1 ]; then
        prev=${COMP_WORDS[COMP_CWORD-2]}
    fi

    # --format= and --input= complete with their values, as after --format.
    if [[ $cur == --format=* || $cur == --input=* ]]; then
        local name=${cur%%=*} values='tsv csv json'
        [ "$name" = --input ] && values='mdy iso jdn long-count'
        COMPREPLY=($(compgen -P "$name=" -W "$values" -- "${cur#*=}"))
        return
    fi

    local options='--crlf --tsv --csv --format= --strict --exact --header --skip-blank --column --columns --era --decimal-separator
        --lang -h --help --version --'
    local commands='almanac long-count next distance match picture period-ending anniversaries place lunar'
    case ${COMP_WORDS[1]} in
    picture)
        if [ "$COMP_CWORD" -eq 2 ]; then
            COMPREPLY=($(compgen -W "long-count calendar-round" -- "$cur"))
        elif [ "$COMP_CWORD" -gt 2 ]; then
            case $prev in
            --correlation)
                COMPREPLY=($(compgen -W "gmt lounsbury martinez martin-skidmore spinden fuls" -- "$cur"))
                ;;
            --svg) COMPREPLY=($(compgen -f -- "$cur")) ;;
            *)
                [[ $cur == -* ]] && COMPREPLY=($(compgen -W "--svg --lines --julian --correlation -h --help --" -- "$cur"))
                ;;
            esac
        fi
        return
        ;;
    almanac | long-count | next | distance | match | period-ending | anniversaries | place | lunar)
        if [ "$COMP_CWORD" -gt 1 ]; then
            case $prev in
            --correlation)
                COMPREPLY=($(compgen -W "gmt lounsbury martinez martin-skidmore spinden fuls" -- "$cur"))
                ;;
            --format)
                COMPREPLY=($(compgen -W "tsv csv json" -- "$cur"))
                ;;
            --input)
                COMPREPLY=($(compgen -W "mdy iso jdn long-count" -- "$cur"))
                ;;
            --spelling)
                COMPREPLY=($(compgen -W "colonial modern" -- "$cur"))
                ;;
            --year-bearer)
                COMPREPLY=($(compgen -W "classic campeche mayapan" -- "$cur"))
                ;;
            --period-ending | --every)
                COMPREPLY=($(compgen -W "baktun katun lahuntun hotun tun" -- "$cur"))
                ;;
            *)
                local own='--julian --correlation --json --spelling --year-bearer -h --help --'
                case ${COMP_WORDS[1]} in
                almanac) own="$own --tsv --csv --format= --header --strict --skip-blank --column --columns --era --input=" ;;
                next) own="$own --from --previous --count" ;;
                long-count) own="$own --previous-era" ;;
                match) own="$own --from --to --limit" ;;
                period-ending) own="$own --ajaw --from --to --limit" ;;
                anniversaries) own="$own --every --count" ;;
                place) own="$own --katun --period-ending --within --limit" ;;
                lunar) own='--julian --correlation --json --spelling --recorded -h --help --' ;;
                esac
                [[ $cur == -* ]] && COMPREPLY=($(compgen -W "$own" -- "$cur"))
                ;;
            esac
            # A value that ends in "=" waits for its value: no blank after it.
            [[ ${COMPREPLY[0]-} == *= ]] && compopt -o nospace 2>/dev/null
            return
        fi
        ;;
    esac

    case $prev in
    --decimal-separator)
        COMPREPLY=($(compgen -W ", ." -- "$cur"))
        return
        ;;
    --lang)
        COMPREPLY=($(compgen -W "en es" -- "$cur"))
        return
        ;;
    --format)
        COMPREPLY=($(compgen -W "tsv csv json" -- "$cur"))
        return
        ;;
    esac

    # Count the date's words so far; after "--" every word is one.
    local i words=0 ended=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [ $ended -eq 1 ]; then
            ((words++))
            continue
        fi
        case ${COMP_WORDS[i]} in
        --) ended=1 ;;
        --decimal-separator | --format | --lang)
            # Its value follows, after an "=" or not.
            [ "${COMP_WORDS[i+1]}" = "=" ] && ((i++))
            ((i++))
            ;;
        -*) ;;
        *) ((words++)) ;;
        esac
    done

    if [[ $cur == -* ]] && [ $ended -eq 0 ]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        [[ ${COMPREPLY[0]-} == *= ]] && compopt -o nospace 2>/dev/null
    elif [ $words -eq 0 ] && [ -n "$commands" ]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    elif [ $words -eq 3 ]; then
        # The fourth word is the era.
        COMPREPLY=($(compgen -W "A.D. B.C." -- "$cur"))
    fi
}
complete -F _zentolk_cli zentolk-cli
