#include "ZoProduct.h"

namespace {
ZoProduct &stored()
{
    static ZoProduct product;
    return product;
}
} // namespace

void ZoProduct::set(const ZoProduct &product)
{
    stored() = product;
}

const ZoProduct &ZoProduct::current()
{
    return stored();
}
