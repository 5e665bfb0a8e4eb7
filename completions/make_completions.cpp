// Writes the bash and zsh completions of qumat and qumat_pro from the camera catalogues, so that
// every setting name and list value the programs take completes, and none they refuse.
// Usage: make_completions BASH_FILE ZSH_FILE
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace {

constexpr std::string_view kCommands = "show get set export import provision wait log doctor";
constexpr std::string_view kCommonOptions =
    "--model --user --password-file -q --quiet -v --verbose -h --help -V --version";
// The options each command takes besides the common ones.
constexpr std::pair<std::string_view, std::string_view> kCommandOptions[] = {
    {"show", "--json --show-secrets"},
    {"get", "--show-secrets"},
    {"set", "--dry-run --format-card --show-secrets"},
    {"export", "--include-identity --include-secrets"},
    {"import", "--dry-run --exit-code --format-card --show-secrets"},
    {"provision", "--identities --report --ledger --status --release --format-card --show-secrets"},
    {"wait", "--connected --disconnected --timeout"},
    {"log", "--json --since --camera --verify --expect"},
    {"doctor", "--json"},
};

std::string nameOf(const camera::CatalogueRow& row) {
    return std::string(camera::groupName(row.group)) + "." + std::string(row.key);
}

// A word goes into the scripts unquoted: one that would need quoting stops the build instead.
bool isPlainWord(std::string_view word) {
    return !word.empty() && std::ranges::all_of(word, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
               c == '-' || c == '+';
    });
}

struct Words {
    std::string all;
    std::string settable;
    std::string groups;
    // Each list's name and its value names.
    std::vector<std::pair<std::string, std::string>> values;
};

// Appended piece by piece: GCC 12 at -O3 warns of overlaps in "" + string (its bug 105329).
void appendWord(std::string& words, std::string_view word) {
    if (!words.empty()) {
        words += ' ';
    }
    words += word;
}

bool collect(const camera::CameraModel& model, Words& words) {
    std::vector<std::string_view> groups;
    for (const auto& row : model.catalogue) {
        const std::string name = nameOf(row);
        std::string listed;
        for (const std::string_view value : row.values) {
            if (!isPlainWord(value)) {
                std::fprintf(stderr, "make_completions: %s has the value '%.*s'\n", name.c_str(),
                             static_cast<int>(value.size()), value.data());
                return false;
            }
            appendWord(listed, value);
        }
        if (!isPlainWord(name)) {
            std::fprintf(stderr, "make_completions: a setting is named '%s'\n", name.c_str());
            return false;
        }
        appendWord(words.all, name);
        if (row.kind != camera::SettingKind::status) {
            appendWord(words.settable, name);
        }
        if (row.isList()) {
            words.values.emplace_back(name, listed);
        }
        if (std::ranges::find(groups, camera::groupName(row.group)) == groups.end()) {
            groups.push_back(camera::groupName(row.group));
            appendWord(words.groups, groups.back());
        }
    }
    return true;
}

std::string bashScript(const std::vector<std::pair<const camera::CameraModel*, Words>>& models) {
    std::string script =
        "# bash completion of qumat and qumat_pro, made from the camera catalogues by the build.\n"
        "\n"
        "# The settings of a model: all, those set takes, and the groups.\n"
        "_qumat_names() {\n"
        "    case $1:$2 in\n";
    for (const auto& [model, words] : models) {
        const std::string name(model->name);
        script += "    " + name + ":all) echo '" + words.all + "' ;;\n";
        script += "    " + name + ":settable) echo '" + words.settable + "' ;;\n";
        script += "    " + name + ":groups) echo '" + words.groups + "' ;;\n";
    }
    script +=
        "    esac\n"
        "}\n"
        "\n"
        "# The value names of a model's list.\n"
        "_qumat_values() {\n"
        "    case $1 in\n";
    for (const auto& [model, words] : models) {
        script += "    " + std::string(model->name) + ")\n        case $2 in\n";
        for (const auto& [name, values] : words.values) {
            script += "        " + name + ") echo '" + values + "' ;;\n";
        }
        script += "        esac ;;\n";
    }
    script +=
        "    esac\n"
        "}\n"
        "\n"
        "_qumat_options() {\n"
        "    local options='" +
        std::string(kCommonOptions) +
        "'\n"
        "    case $1 in\n";
    for (const auto& [command, options] : kCommandOptions) {
        script += "    " + std::string(command) + ") options+=' " + std::string(options) + "' ;;\n";
    }
    script += "    esac\n    echo \"$options\"\n}\n";
    script += R"sh(
# Words that bash split at '=' are joined again, so that NAME=VALUE and --model=stc are one word.
_qumat() {
    local -a words=()
    local cword=0 i joined=0
    for ((i = 0; i < ${#COMP_WORDS[@]}; i++)); do
        if ((i > 1)) && [[ ${COMP_WORDS[i]} == "=" || $joined == 1 ]]; then
            words[${#words[@]} - 1]+=${COMP_WORDS[i]}
        else
            words+=("${COMP_WORDS[i]}")
        fi
        [[ ${COMP_WORDS[i]} == "=" ]] && joined=1 || joined=0
        ((i == COMP_CWORD)) && cword=$((${#words[@]} - 1))
    done
    local cur=${words[cword]} prev=${words[cword - 1]}
    local command="" model=common ended=0 word
    for ((i = 1; i < cword; i++)); do
        word=${words[i]}
        if ((!ended)); then
            case $word in
            --) ended=1; continue ;;
            --model=*) model=${word#--model=}; continue ;;
            --model) model=${words[i + 1]}; ((i++)); continue ;;
            --user | --password-file | --since | --camera | --identities | --report | --ledger | --release | --timeout) ((i++)); continue ;;
            -?*) continue ;;
            esac
        fi
        [[ -z $command ]] && command=$word
    done
    [[ $model == stc ]] || model=common

    # Only what follows the last break character is replaced.
    local name="" value=""
    if [[ $cur == *=* ]]; then
        name=${cur%%=*}
        value=${cur#*=}
    fi
    local prefix=""
    [[ -n $name && $COMP_WORDBREAKS != *=* ]] && prefix=$name=

    case $prev in
    --model) COMPREPLY=($(compgen -W 'common stc' -- "$cur")); return ;;
    --user) COMPREPLY=($(compgen -W 'admin user' -- "$cur")); return ;;
    --password-file | --identities | --report) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --since | --camera | --ledger | --release | --timeout) COMPREPLY=(); return ;;
    esac
    case $name in
    --model) COMPREPLY=($(compgen -P "$prefix" -W 'common stc' -- "$value")); return ;;
    --user) COMPREPLY=($(compgen -P "$prefix" -W 'admin user' -- "$value")); return ;;
    esac
    if ((!ended)) && [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_qumat_options "$command")" -- "$cur"))
        return
    fi
    case $command in
    "") COMPREPLY=($(compgen -W ')sh" +
              std::string(kCommands) + R"sh(' -- "$cur")) ;;
    show) COMPREPLY=($(compgen -W "$(_qumat_names $model groups) $(_qumat_names $model all)" -- "$cur")) ;;
    get) COMPREPLY=($(compgen -W "$(_qumat_names $model all)" -- "$cur")) ;;
    set)
        if [[ -n $name ]]; then
            COMPREPLY=($(compgen -P "$prefix" -W "$(_qumat_values $model "$name")" -- "$value"))
        else
            COMPREPLY=($(compgen -S = -W "$(_qumat_names $model settable)" -- "$cur"))
            compopt -o nospace 2>/dev/null
        fi
        ;;
    export | import | provision) COMPREPLY=($(compgen -f -- "$cur")); [[ - == "$cur"* ]] && COMPREPLY+=(-) ;;
    *) COMPREPLY=() ;;
    esac
}
complete -F _qumat qumat qumat_pro
)sh";
    return script;
}

std::string zshScript(const std::vector<std::pair<const camera::CameraModel*, Words>>& models) {
    std::string script =
        "#compdef qumat qumat_pro\n"
        "# zsh completion of qumat and qumat_pro, made from the camera catalogues by the build.\n"
        "\n"
        "local -A setting_names list_values command_options\n";
    for (const auto& [model, words] : models) {
        const std::string name(model->name);
        script += "setting_names[" + name + ":all]='" + words.all + "'\n";
        script += "setting_names[" + name + ":settable]='" + words.settable + "'\n";
        script += "setting_names[" + name + ":groups]='" + words.groups + "'\n";
        for (const auto& [setting, values] : words.values) {
            script += "list_values[" + name + ":" + setting + "]='" + values + "'\n";
        }
    }
    script += "command_options[common]='" + std::string(kCommonOptions) + "'\n";
    for (const auto& [command, options] : kCommandOptions) {
        script += "command_options[" + std::string(command) + "]='" + std::string(options) + "'\n";
    }
    script += R"sh(
local command= model=common ended=0 i word
for ((i = 2; i < CURRENT; i++)); do
    word=${words[i]}
    if ((!ended)); then
        case $word in
        --) ended=1; continue ;;
        --model=*) model=${word#--model=}; continue ;;
        --model) model=${words[i + 1]}; ((i++)); continue ;;
        --user | --password-file | --since | --camera | --identities | --report | --ledger | --release | --timeout) ((i++)); continue ;;
        -?*) continue ;;
        esac
    fi
    [[ -z $command ]] && command=$word
done
[[ $model == stc ]] || model=common
local cur=${words[CURRENT]} prev=${words[CURRENT - 1]}
case $prev in
--model) compadd -- common stc; return ;;
--user) compadd -- admin user; return ;;
--password-file | --identities | --report) _files; return ;;
--since | --camera | --ledger | --release | --timeout) return 1 ;;
esac
if ((!ended)) && [[ $cur == -* ]]; then
    compadd -- ${=command_options[common]} ${=command_options[$command]}
    return
fi
case $command in
'') compadd -- )sh" +
              std::string(kCommands) +
              R"sh( ;;
show) compadd -- ${=setting_names[${model}:groups]} ${=setting_names[${model}:all]} ;;
get) compadd -- ${=setting_names[${model}:all]} ;;
set)
    if [[ $cur == *=* ]]; then
        compset -P '*='
        compadd -- ${=list_values[${model}:${cur%%=*}]}
    else
        compadd -S = -- ${=setting_names[${model}:settable]}
    fi
    ;;
export | import | provision) _files; compadd -- - ;;
*) return 1 ;;
esac
)sh";
    return script;
}

bool write(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_completions: cannot write %s\n", path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: make_completions BASH_FILE ZSH_FILE\n", stderr);
        return 2;
    }
    std::vector<std::pair<const camera::CameraModel*, Words>> models;
    for (const camera::CameraModel* model : camera::cameraModels()) {
        models.emplace_back(model, Words{});
        if (!collect(*model, models.back().second)) {
            return 1;
        }
    }
    return write(argv[1], bashScript(models)) && write(argv[2], zshScript(models)) ? 0 : 1;
}
