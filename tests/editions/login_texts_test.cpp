// Every login text of every edition, byte for byte: trailing blanks, missing accents and mixed
// scripts are part of them.
#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "edition.h"

namespace {

struct ExpectedLoginTexts {
    int edition;
    std::array<std::string_view, 11> messagesAndLabels;
    std::array<std::string_view, 2> userTypes;
    std::string_view languageLabel;
    std::array<std::string_view, 4> languages;
};

std::array<std::string_view, 11> messagesAndLabels(const editions::LoginTexts& texts) {
    return {texts.caption,
            texts.connectFail,
            texts.connectDeviceFirst,
            texts.wrongPasswordLength,
            texts.loginSuccessful,
            texts.wrongPassword,
            texts.userTypeLabel,
            texts.passwordLabel,
            texts.connectButton,
            texts.connectedButton,
            texts.loginButton};
}

class LoginTextsTest : public testing::TestWithParam<ExpectedLoginTexts> {};

TEST_P(LoginTextsTest, AreByteExact) {
    const auto& expected = GetParam();
    const auto& texts = editions::edition(expected.edition).language.login;
    const auto actual = messagesAndLabels(texts);
    for (std::size_t index = 0; index < actual.size(); ++index) {
        EXPECT_EQ(actual[index], expected.messagesAndLabels[index]) << "text " << index;
    }
    EXPECT_EQ(texts.userTypes, expected.userTypes);
    EXPECT_EQ(texts.languageLabel, expected.languageLabel);
    EXPECT_EQ(texts.languages, expected.languages);
}

INSTANTIATE_TEST_SUITE_P(
    Editions, LoginTextsTest,
    testing::Values(
        ExpectedLoginTexts{0,
                           {"Attention!", "Connect Fail", "Connect Device First",
                            "Wrong password number", "Login Successfully", "Wrong password ",
                            "User Type :", "Password :", "Connect", "Connected", "Login"},
                           {"Administrator", "User"},
                           "Language :",
                           {"English", "Russian", "French", "Spanish"}},
        ExpectedLoginTexts{1,
                           {"Внимание!", "Ошибка подключения", "Подключите устройство",
                            "Ошибка пароля", "Успешно", "Ошибка пароля ",
                            "Тип пользователя:", "Пароль :", "Подключение", "Подключено", "Логин"},
                           {"Администратор", "Сотрудник"},
                           "Выбор языка :",
                           {"английский", " Русский", " Франция", " испанский язык"}},
        ExpectedLoginTexts{2,
                           {"Attention !", "Echec connexion", "Connecter camera", "Mauvais MDP",
                            "Identification reussie", "Mauvais MDP",
                            "Utilisateur :", "Mot de passe :", "Connecter", "Connecté", "Valider"},
                           {"Administrateur", "Utilisateur"},
                           "Reglage Langage :",
                           {"anglais", "russe", "français", "espagnol"}},
        ExpectedLoginTexts{
            3,
            {"Atención !", "Conexión Fallida", "Conecte el dispositivo primero",
             "Contraseña Incorrecta", "Inicio de Sesión Correcto", "Contraseña Incorrecta",
             "Usuario :", "Contraseña :", "Conectar", "Conectado", "Acceso"},
            {"Administrador", "Usuario"},
            "Configuración de idioma:",
            {"inglés", "ruso", "francés", "español"}},
        ExpectedLoginTexts{4,
                           {"Atenção !", "Sem Conexão ", "Conecte já o dispositivo",
                            "Senha incorreta", "Acesso permitido", "Senha incorreta",
                            "Perfil de Acesso :", "Senha :", "Conectar", "Conectado", "Acesso"},
                           {"Administrador", "Usuario"},
                           "",
                           {"", "", "", ""}}));

TEST(LoginTextsBytesTest, ProtocolMessageIsEnglishEverywhere) {
    EXPECT_EQ(editions::kProtocolNotRight, "Protocol Not Right!");
}

// A no-break space looks like a blank; the entries and the label keep it as its own character.
TEST(LoginTextsBytesTest, RussianLanguageEntriesAfterTheFirstStartWithANoBreakSpace) {
    const auto& texts = editions::edition(editions::kRussian).language.login;
    EXPECT_FALSE(texts.languages[0].starts_with("\u00A0"));
    for (std::size_t index = 1; index < texts.languages.size(); ++index) {
        EXPECT_TRUE(texts.languages[index].starts_with("\u00A0"));
    }
    EXPECT_NE(texts.languageLabel.find("\u00A0"), std::string_view::npos);
}

}  // namespace
