#include "mainwin/catalogue.h"

#include <cstring>

// Defined in the generated cataloguegroups.cpp.
extern const std::span<const TCatalogueGroup* const> CatalogueGroupList;

std::span<const TCatalogueGroup* const> CatalogueGroups() { return CatalogueGroupList; }

const TCatalogueRecord* FindCatalogueRecord(const std::string& menuItem)
{
    for (const TCatalogueGroup* group : CatalogueGroups())
        for (const TCatalogueRecord* record : group->Records)
            if (menuItem == record->MenuItem)
                return record;
    return nullptr;
}

int CatalogueObjectCount(const TCatalogueRecord& record) { return TableCount(record.Objects); }

int CatalogueBesideCount(const TCatalogueRecord& record) { return record.Beside ? TableCount(record.Beside) : 0; }
