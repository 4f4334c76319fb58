#include "graphics/win/WinMatrix.h"

namespace KestGraphicsWin {

using KestGDIPlusClasses::TGPMatrix;

std::unique_ptr<TGPMatrix> ToWinMatrix(const TKestGraphicsMatrix& matrix)
{
    return std::make_unique<TGPMatrix>(matrix.m11(), matrix.m12(), matrix.m21(), matrix.m22(), matrix.m31(),
                                       matrix.m32());
}

TKestGraphicsMatrix FromWinMatrix(TGPMatrix& matrix)
{
    KestGDIPlusClasses::TMatrixElements e{};
    matrix.GetElements(e);
    TKestGraphicsMatrix result = TKestGraphicsMatrix::Identity();
    result.m11() = e[0];
    result.m12() = e[1];
    result.m21() = e[2];
    result.m22() = e[3];
    result.m31() = e[4];
    result.m32() = e[5];
    return result;
}

}
