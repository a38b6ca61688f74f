// Toolkit contract: interface data, geometry handed to the host in memory or by file
// (ProImportfeatCreate).
#pragma once

#include <ProCurvedata.h>
#include <ProToolkit.h>

// The kind of a data source.
typedef enum {
    PRO_INTF_NONE = 0,
    PRO_INTF_NEUTRAL = 1,  // in memory: a ProIntfData collection
    PRO_INTF_NEUTRAL_FILE = 2,
    PRO_INTF_IGES = 3,
    PRO_INTF_STEP = 4,
    PRO_INTF_VDA = 5,
    PRO_INTF_SET = 6,
    PRO_INTF_PDGS = 7,
    PRO_INTF_ICEM = 8,
    PRO_INTF_CDRS = 9,
    PRO_INTF_DXF = 10,
    PRO_INTF_ACIS = 11,
    PRO_INTF_STL = 12,
    PRO_INTF_VRML = 13,
    PRO_INTF_PARASOLID = 14
} ProIntfType;

// A collection of geometry (curves) built by the application.
typedef struct pro_intf_data ProIntfData;

typedef struct pro_intf_data_source {
    ProIntfType intf_type;
    union {
        wchar_t* filename;             // file sources
        ProIntfData* p_pro_intf_data;  // PRO_INTF_NEUTRAL
    } choice;
} ProIntfDataSource;

PRO_BEGIN_C_DECLS
// A new, empty collection; the caller frees it with ProIntfDataFree.
PRO_TK_EXPORT ProError ProIntfDataAlloc(ProIntfData** pp_intfdata);
// Frees the collection with the curves it holds.
PRO_TK_EXPORT ProError ProIntfDataFree(ProIntfData* p_intfdata);
// Appends a copy of the curve (a line or an arc) to the collection; the caller keeps
// and frees its record. PRO_TK_BAD_INPUTS for a record that is not a line or an arc, or
// one whose geometry is not sound: a line with coincident ends, an arc whose vectors are
// not orthonormal, whose radius is not positive or that sweeps no angle or more than a
// full turn.
PRO_TK_EXPORT ProError ProIntfDataCurveAppend(ProIntfData* p_intfdata, ProCurvedata* p_curve);
// Fills the source: for PRO_INTF_NEUTRAL p_source is a ProIntfData*, for the file kinds
// the file's wide path. Neither is copied: it must live until the source is used.
PRO_TK_EXPORT ProError ProIntfDataSourceInit(ProIntfType intf_type, void* p_source,
                                             ProIntfDataSource* data_source);
PRO_END_C_DECLS
