#include "Figura.h"

#include "DesenhoCartao.h"
#include "Disposicoes.h"
#include "Geometria.h"
#include "SuperficieImagem.h"
#include "SuperficieSvg.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>

int PrepararComoAJanela(TCartao& cartao)
{
    const int ultimo = std::clamp(cartao.NumGrupos, 1, MaxGrupos);
    const std::int32_t ultimaLinha = cartao.Grupos[static_cast<std::size_t>(ultimo)].LinhaFinal;
    // Every refresh clears the mask below the last group before the redraw.
    DefinirMascaraDasLinhas(cartao, static_cast<long long>(ultimaLinha) + 1, MaxLinhas, Lido);
    // Opening a file shows its group count; a window showing another count (a fresh one shows
    // one group) runs the group-count rule, which sets the line count to the last group's end.
    return cartao.NumGrupos == 1 ? cartao.NumLinhas : ultimaLinha;
}

int AlturaRecortada(const TCartao& cartao, int numLinhas)
{
    // A group may reach below the frame (a one-group card's line count is the file's own); its
    // cells are drawn there, so they stay in the picture.
    int ultima = std::clamp(numLinhas, 0, MaxLinhas);
    for (int g = 1; g <= std::clamp(cartao.NumGrupos, 0, MaxGrupos); ++g) {
        const TGrupo& grupo = cartao.Grupos[static_cast<std::size_t>(g)];
        if (DisposicaoDoTipo(grupo.Tipo) && grupo.LinhaFinal >= grupo.LinhaInicial && grupo.LinhaFinal >= 1 &&
            grupo.LinhaInicial <= MaxLinhas)
            ultima = std::max(ultima, std::min(grupo.LinhaFinal, MaxLinhas));
    }
    const Retangulo contorno = RetanguloContorno(ultima);
    return std::min(contorno.Base + contorno.Topo, AlturaCartao);
}

QImage ImagemDoCartao(TCartao cartao, int escala, Recorte recorte)
{
    const int numLinhas = PrepararComoAJanela(cartao);
    SuperficieImagem superficie;
    DesenharCartao(superficie, cartao, numLinhas, FaceBotaoDaJanela);
    const QImage imagem = recorte == Recorte::LinhasDoCartao
                              ? superficie.Imagem().copy(0, 0, LarguraCartao, AlturaRecortada(cartao, numLinhas))
                              : superficie.Imagem();
    if (escala == 1)
        return imagem;
    // Fast transformation is nearest-neighbour: every pixel becomes a sharp escala x escala block.
    return imagem.scaled(imagem.width() * escala, imagem.height() * escala, Qt::IgnoreAspectRatio,
                         Qt::FastTransformation);
}

std::string SvgDoCartao(TCartao cartao, int escala, Recorte recorte)
{
    const int numLinhas = PrepararComoAJanela(cartao);
    SuperficieSvg superficie;
    DesenharCartao(superficie, cartao, numLinhas, FaceBotaoDaJanela);
    return superficie.Documento(escala, recorte == Recorte::LinhasDoCartao ? AlturaRecortada(cartao, numLinhas)
                                                                           : AlturaCartao);
}

std::string BytesPng(const QImage& imagem)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter escritor(&buffer, "png");
    if (!escritor.write(imagem))
        return {};
    return bytes.toStdString();
}
