// The help file as the build leaves it beside the program: well-formed UTF-8 HTML that covers the
// window, the eleven group types with their layouts, the mask, the file commands and the cfg file.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString ArquivoNoBuild = QStringLiteral(ORTELO_PASTA_BUILD "/Ortelo.hlp");

QByteArray LerBytes(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return arquivo.readAll();
}

// What the parse of the help file gives the tests.
struct TAjudaLida {
    QString Erro;
    QString Raiz;
    QString Titulo;
    QString Charset;
    QString Texto;                          // all text, blanks collapsed
    std::vector<std::vector<QStringList>> Tabelas;  // each table's rows, as their cells' texts
    QSet<QString> Ancoras;
    QStringList LinksInternos;
};

QString Normalizado(const QString& texto) { return texto.simplified(); }

TAjudaLida Analisar(const QByteArray& bytes)
{
    TAjudaLida lida;
    QXmlStreamReader leitor(bytes);
    QStringList linha;
    QString celula;
    bool emCelula = false, emTitulo = false;
    while (!leitor.atEnd()) {
        leitor.readNext();
        if (leitor.isStartElement()) {
            const QString nome = leitor.name().toString();
            const auto atributos = leitor.attributes();
            if (lida.Raiz.isEmpty())
                lida.Raiz = nome;
            if (nome == QLatin1String("meta") && atributos.hasAttribute(QStringLiteral("charset")))
                lida.Charset = atributos.value(QStringLiteral("charset")).toString();
            if (nome == QLatin1String("title"))
                emTitulo = true;
            if (nome == QLatin1String("table"))
                lida.Tabelas.emplace_back();
            if (nome == QLatin1String("tr"))
                linha.clear();
            if (nome == QLatin1String("td") || nome == QLatin1String("th")) {
                emCelula = true;
                celula.clear();
            }
            for (const char* chave : {"name", "id"})
                if (atributos.hasAttribute(QLatin1String(chave)))
                    lida.Ancoras.insert(atributos.value(QLatin1String(chave)).toString());
            const QString destino = atributos.value(QStringLiteral("href")).toString();
            if (destino.startsWith(QLatin1Char('#')))
                lida.LinksInternos << destino.mid(1);
        } else if (leitor.isEndElement()) {
            const QString nome = leitor.name().toString();
            if (nome == QLatin1String("title"))
                emTitulo = false;
            if (nome == QLatin1String("td") || nome == QLatin1String("th")) {
                emCelula = false;
                linha << Normalizado(celula);
            }
            if (nome == QLatin1String("tr") && !lida.Tabelas.empty())
                lida.Tabelas.back().push_back(linha);
        } else if (leitor.isCharacters()) {
            const QString texto = leitor.text().toString();
            lida.Texto += texto;
            if (emCelula)
                celula += texto;
            if (emTitulo)
                lida.Titulo += texto;
        }
    }
    if (leitor.hasError())
        lida.Erro = QStringLiteral("linha %1: %2").arg(leitor.lineNumber()).arg(leitor.errorString());
    lida.Texto = Normalizado(lida.Texto);
    return lida;
}

// The rows below the header of the table whose header row is cabecalho; empty when none.
std::vector<QStringList> Tabela(const TAjudaLida& lida, const QStringList& cabecalho)
{
    for (const auto& tabela : lida.Tabelas)
        if (!tabela.empty() && tabela.front() == cabecalho)
            return {tabela.begin() + 1, tabela.end()};
    return {};
}

const QStringList TextosDosTipos = {
    QStringLiteral("Sem divisão com 12 quadrículas (Binário com 12 dígitos)"),
    QStringLiteral("Uma divisão de 10 quadrículas (Inscrição de 0 a 9)"),
    QStringLiteral("Uma divisão de 10 quadrículas (Numérico de 0 a 9)"),
    QStringLiteral("Duas divisões de 5 quadrículas (A B C D E)"),
    QStringLiteral("Três divisões de 3 quadrículas (A B C)"),
    QStringLiteral("Quatro divisões de 2 quadrículas (A B)"),
    QStringLiteral("Seis divisões de 1 quadrícula (Binário com 1 dígito)"),
    QStringLiteral("Uma divisão de 10 quadrículas (Inscrição de 0 a 9) Desl. 1"),
    QStringLiteral("Uma divisão de 10 quadrículas (Inscrição de 0 a 9) Desl. 2"),
    QStringLiteral("Uma divisão de 10 quadrículas (Numérico de 0 a 9) Desl. 1"),
    QStringLiteral("Uma divisão de 10 quadrículas (Numérico de 0 a 9) Desl. 2"),
};

// The twelve columns of each type: #k item number, a letter or digit, "□" plain, "—" blank.
const char* const Layouts[11] = {
    "□ □ □ □ □ □ □ □ □ □ □ □",
    "— #1 0 1 2 3 4 5 6 7 8 9",
    "— #1 0 1 2 3 4 5 6 7 8 9",
    "#1 A B C D E #2 A B C D E",
    "#1 A B C #2 A B C #3 A B C",
    "#1 A B #2 A B #3 A B #4 A B",
    "#1 □ #2 □ #3 □ #4 □ #5 □ #6 □",
    "#1 0 1 2 3 4 5 6 7 8 9 —",
    "0 1 2 3 4 5 6 7 8 9 — #1",
    "#1 0 1 2 3 4 5 6 7 8 9 —",
    "0 1 2 3 4 5 6 7 8 9 — #1",
};

class ArquivoAjuda : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Bytes = new QByteArray(LerBytes(ArquivoNoBuild));
        Lida = new TAjudaLida(Analisar(*Bytes));
    }
    static void TearDownTestSuite()
    {
        delete Lida;
        delete Bytes;
    }
    static QByteArray* Bytes;
    static TAjudaLida* Lida;
};

QByteArray* ArquivoAjuda::Bytes = nullptr;
TAjudaLida* ArquivoAjuda::Lida = nullptr;

}  // namespace

TEST(PastaDoPrograma, BuildDeixaAAjudaEAPastaConfigAoLadoDoExecutavel)
{
    const QFileInfo ajuda(ArquivoNoBuild);
    ASSERT_TRUE(ajuda.isFile()) << ArquivoNoBuild.toStdString();
    EXPECT_EQ(LerBytes(ArquivoNoBuild), LerBytes(QStringLiteral(ORTELO_AJUDA_FONTE)));
    EXPECT_TRUE(QFileInfo(QStringLiteral(ORTELO_PASTA_BUILD "/Config")).isDir());
}

TEST_F(ArquivoAjuda, EhHtmlBemFormadoEmUtf8)
{
    ASSERT_FALSE(Bytes->isEmpty());
    EXPECT_TRUE(Lida->Erro.isEmpty()) << Lida->Erro.toStdString();
    EXPECT_EQ(Lida->Raiz, QStringLiteral("html"));
    EXPECT_EQ(Lida->Charset.toLower(), QStringLiteral("utf-8"));
    EXPECT_EQ(Lida->Titulo, QStringLiteral("Ajuda do Ortelo"));

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8(*Bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_FALSE(Bytes->startsWith("\xEF\xBB\xBF")) << "sem marca de ordem de bytes";
    EXPECT_TRUE(texto.contains(QStringLiteral("Máscara")));
}

TEST_F(ArquivoAjuda, TrazOsOnzeTiposComOTextoDaLista)
{
    for (const QString& tipo : TextosDosTipos)
        EXPECT_TRUE(Lida->Texto.contains(tipo)) << tipo.toStdString();
}

TEST_F(ArquivoAjuda, MostraAsDozeColunasDeCadaTipo)
{
    QStringList cabecalho = {QStringLiteral("Tipo")};
    for (int coluna = 1; coluna <= 12; ++coluna)
        cabecalho << QString::number(coluna);
    const auto linhas = Tabela(*Lida, cabecalho);
    ASSERT_EQ(linhas.size(), 11u);
    for (int tipo = 0; tipo <= 10; ++tipo) {
        const QStringList& linha = linhas[size_t(tipo)];
        ASSERT_EQ(linha.size(), 13);
        EXPECT_EQ(linha.first(), QString::number(tipo));
        EXPECT_EQ(linha.mid(1).join(QLatin1Char(' ')), QString::fromUtf8(Layouts[tipo])) << "tipo " << tipo;
    }
}

TEST_F(ArquivoAjuda, ListaOsTiposNaOrdemDaLista)
{
    const auto linhas = Tabela(*Lida, {QStringLiteral("Tipo"), QStringLiteral("Texto na lista \"Tipo do grupo\""),
                                       QStringLiteral("Divisões")});
    ASSERT_EQ(linhas.size(), 11u);
    for (int tipo = 0; tipo <= 10; ++tipo) {
        EXPECT_EQ(linhas[size_t(tipo)].value(0), QString::number(tipo));
        EXPECT_EQ(linhas[size_t(tipo)].value(1), TextosDosTipos[tipo]);
    }
}

TEST_F(ArquivoAjuda, ExplicaAJanelaAMascaraEOsComandos)
{
    const QStringList assuntos = {
        // the window's boxes and buttons, as captioned
        QStringLiteral("Arquivo da Configuração"), QStringLiteral("Arquivo atual"),
        QStringLiteral("Configuração da Leitora e do Cartão"), QStringLiteral("Porta serial"),
        QStringLiteral("Unidirecional"), QStringLiteral("Bidirecional"),
        QStringLiteral("Número de grupos do cartão"), QStringLiteral("Estrutura do Grupo"),
        QStringLiteral("Dígito verificador"), QStringLiteral("Habilitado"),
        QStringLiteral("Máscara do Cartão"),
        // manual mask selection
        QStringLiteral("Definir Manualmente os Campos Mascarados"),
        QStringLiteral("Click Aqui Quando Terminar a seleção"),
        // file commands and their messages
        QStringLiteral("Novo"), QStringLiteral("Abrir"), QStringLiteral("Salvar..."), QStringLiteral("Fechar"),
        QStringLiteral("O arquivo não foi salvo. Salvar antes de abrir um arquivo novo?"),
        QStringLiteral("O arquivo não foi salvo. Salvar antes de sair?"),
        QStringLiteral("O arquivo não foi encontrado ou houve erro de leitura do arquivo."),
        QStringLiteral("Cfg.inf"),
        // the cfg file
        QStringLiteral("5 + 5 × (número de grupos) + 1081"), QStringLiteral("CR LF"),
        QStringLiteral("1091"), QStringLiteral("1136"), QStringLiteral("Windows-1252"),
    };
    for (const QString& assunto : assuntos)
        EXPECT_TRUE(Lida->Texto.contains(assunto)) << assunto.toStdString();
}

TEST_F(ArquivoAjuda, DescreveCadaLinhaDoArquivoCfg)
{
    const auto linhas =
        Tabela(*Lida, {QStringLiteral("Linha"), QStringLiteral("Conteúdo"), QStringLiteral("Valores")});
    QStringList linhasDescritas;
    for (const QStringList& linha : linhas)
        linhasDescritas << linha.value(0);
    const QStringList esperadas = {
        QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
        QStringLiteral("6 + 5 × (g − 1)"), QStringLiteral("7 + 5 × (g − 1)"), QStringLiteral("8 + 5 × (g − 1)"),
        QStringLiteral("9 + 5 × (g − 1)"), QStringLiteral("10 + 5 × (g − 1)"),
        QStringLiteral("5 + 5 × G + k, para k = 1 a 1081"),
    };
    EXPECT_EQ(linhasDescritas, esperadas);
}

TEST_F(ArquivoAjuda, TodoLinkInternoLevaAUmaAncora)
{
    EXPECT_FALSE(Lida->LinksInternos.isEmpty());
    for (const QString& destino : Lida->LinksInternos)
        EXPECT_TRUE(Lida->Ancoras.contains(destino)) << destino.toStdString();
}

TEST_F(ArquivoAjuda, ListaAsTeclasDeAtalho)
{
    const auto linhas = Tabela(*Lida, {QStringLiteral("Tecla"), QStringLiteral("Comando")});
    const std::vector<QStringList> esperadas = {
        {QStringLiteral("Ctrl+N"), QStringLiteral("Novo")},       {QStringLiteral("Ctrl+O"), QStringLiteral("Abrir")},
        {QStringLiteral("Ctrl+S"), QStringLiteral("Salvar...")}, {QStringLiteral("Ctrl+Q"), QStringLiteral("Fechar")},
        {QStringLiteral("F1"), QStringLiteral("Ajuda")},         {QStringLiteral("Ctrl+Z"), QStringLiteral("Desfazer")},
        {QStringLiteral("Ctrl+Y"), QStringLiteral("Refazer")},    {QStringLiteral("Ctrl+Shift+Z"), QStringLiteral("Refazer")},
        {QStringLiteral("Setas para cima e para baixo"),
         QStringLiteral("num número (grupos, grupo, linha final): mais um ou menos um")},
        {QStringLiteral("Page Up e Page Down"),
         QStringLiteral("num número (grupos, grupo, linha final): mais dez ou menos dez, sem passar dos limites")},
    };
    EXPECT_EQ(linhas, esperadas);
}

TEST_F(ArquivoAjuda, ListaAsTeclasDoDesenhoDoCartao)
{
    const auto linhas = Tabela(*Lida, {QStringLiteral("Tecla"), QStringLiteral("No desenho do cartão")});
    QStringList teclas;
    for (const QStringList& linha : linhas)
        teclas << linha.value(0);
    EXPECT_EQ(teclas, QStringList({"Setas", "Home", "End", "Page Up", "Page Down", "Espaço", "Shift+Espaço"}));
    EXPECT_TRUE(Lida->Texto.contains(QStringLiteral("Linha 12, coluna 3, grupo 2: lida")));
    EXPECT_TRUE(Lida->Texto.contains(QStringLiteral("Linha 12, coluna 3: fora dos grupos")));
}
