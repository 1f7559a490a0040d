#include "AparenciaDoSistema.h"

#include <windows.h>

#include <cstdlib>

QString EstiloDoSistema()
{
    return QStringLiteral("windowsvista");
}

bool DialogosDeArquivoDoSistema()
{
    return true;
}

std::optional<QFont> FonteDasMensagensDoSistema()
{
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof(metricas);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metricas.cbSize, &metricas, 0))
        return std::nullopt;
    // Qt takes the face name as it stands, and a name such as "MS Shell Dlg" is only the system's
    // alias for a font: Qt's font database does not know it and falls back to any font at all (a
    // serif one under Wine). The face the system really writes with is asked of GDI.
    HDC superficie = CreateCompatibleDC(nullptr);
    if (!superficie)
        return std::nullopt;
    HFONT fonteDoSistema = CreateFontIndirectW(&metricas.lfMessageFont);
    const HGDIOBJ anterior = SelectObject(superficie, fonteDoSistema);
    wchar_t nome[LF_FACESIZE] = {};
    const int letras = GetTextFaceW(superficie, LF_FACESIZE, nome);
    const int pontosPorPolegada = GetDeviceCaps(superficie, LOGPIXELSY);
    SelectObject(superficie, anterior);
    DeleteObject(fonteDoSistema);
    DeleteDC(superficie);
    if (letras <= 0 || pontosPorPolegada <= 0)
        return std::nullopt;

    QFont fonte(QString::fromWCharArray(nome));
    // The height in pixels as points, the way Qt converts the system's fonts.
    fonte.setPointSizeF(std::abs(metricas.lfMessageFont.lfHeight) * 72.0 / pontosPorPolegada);
    fonte.setBold(metricas.lfMessageFont.lfWeight >= FW_BOLD);
    fonte.setItalic(metricas.lfMessageFont.lfItalic != 0);
    return fonte;
}
