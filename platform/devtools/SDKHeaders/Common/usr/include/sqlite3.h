/*
 * sqlite3.h: the C interface of the SQLite library the system ships: database connections, prepared statements,
 * parameter binding, result columns, SQL functions, online backup, write-ahead-log checkpoints, virtual file
 * systems, memory and error reporting.
 */
#ifndef SQLITE3_H
#define SQLITE3_H

#include <stdarg.h>
#include <Availability.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SQLITE_EXTERN extern
#define SQLITE_API
#define SQLITE_DEPRECATED
#define SQLITE_EXPERIMENTAL

#define SQLITE_VERSION "3.43.2"
#define SQLITE_VERSION_NUMBER 3043002
#define SQLITE_SOURCE_ID "2023-10-10 13:08:14 system"

SQLITE_API SQLITE_EXTERN const char sqlite3_version[];
SQLITE_API const char *sqlite3_libversion(void);
SQLITE_API const char *sqlite3_sourceid(void);
SQLITE_API int sqlite3_libversion_number(void);
SQLITE_API int sqlite3_threadsafe(void);

typedef struct sqlite3 sqlite3;
typedef long long int sqlite_int64;
typedef unsigned long long int sqlite_uint64;
typedef sqlite_int64 sqlite3_int64;
typedef sqlite_uint64 sqlite3_uint64;

SQLITE_API int sqlite3_close(sqlite3 *);
SQLITE_API int sqlite3_close_v2(sqlite3 *);

typedef int (*sqlite3_callback)(void *, int, char **, char **);
SQLITE_API int sqlite3_exec(sqlite3 *, const char *sql, int (*callback)(void *, int, char **, char **), void *,
                            char **errmsg);

/* Result codes */
#define SQLITE_OK 0
#define SQLITE_ERROR 1
#define SQLITE_INTERNAL 2
#define SQLITE_PERM 3
#define SQLITE_ABORT 4
#define SQLITE_BUSY 5
#define SQLITE_LOCKED 6
#define SQLITE_NOMEM 7
#define SQLITE_READONLY 8
#define SQLITE_INTERRUPT 9
#define SQLITE_IOERR 10
#define SQLITE_CORRUPT 11
#define SQLITE_NOTFOUND 12
#define SQLITE_FULL 13
#define SQLITE_CANTOPEN 14
#define SQLITE_PROTOCOL 15
#define SQLITE_EMPTY 16
#define SQLITE_SCHEMA 17
#define SQLITE_TOOBIG 18
#define SQLITE_CONSTRAINT 19
#define SQLITE_MISMATCH 20
#define SQLITE_MISUSE 21
#define SQLITE_NOLFS 22
#define SQLITE_AUTH 23
#define SQLITE_FORMAT 24
#define SQLITE_RANGE 25
#define SQLITE_NOTADB 26
#define SQLITE_NOTICE 27
#define SQLITE_WARNING 28
#define SQLITE_ROW 100
#define SQLITE_DONE 101

#define SQLITE_IOERR_READ (SQLITE_IOERR | (1 << 8))
#define SQLITE_IOERR_WRITE (SQLITE_IOERR | (3 << 8))
#define SQLITE_BUSY_TIMEOUT (SQLITE_BUSY | (3 << 8))
#define SQLITE_CONSTRAINT_CHECK (SQLITE_CONSTRAINT | (1 << 8))
#define SQLITE_CONSTRAINT_FOREIGNKEY (SQLITE_CONSTRAINT | (3 << 8))
#define SQLITE_CONSTRAINT_NOTNULL (SQLITE_CONSTRAINT | (5 << 8))
#define SQLITE_CONSTRAINT_PRIMARYKEY (SQLITE_CONSTRAINT | (6 << 8))
#define SQLITE_CONSTRAINT_UNIQUE (SQLITE_CONSTRAINT | (8 << 8))

/* Flags for sqlite3_open_v2 */
#define SQLITE_OPEN_READONLY 0x00000001
#define SQLITE_OPEN_READWRITE 0x00000002
#define SQLITE_OPEN_CREATE 0x00000004
#define SQLITE_OPEN_DELETEONCLOSE 0x00000008
#define SQLITE_OPEN_EXCLUSIVE 0x00000010
#define SQLITE_OPEN_AUTOPROXY 0x00000020
#define SQLITE_OPEN_URI 0x00000040
#define SQLITE_OPEN_MEMORY 0x00000080
#define SQLITE_OPEN_MAIN_DB 0x00000100
#define SQLITE_OPEN_TEMP_DB 0x00000200
#define SQLITE_OPEN_TRANSIENT_DB 0x00000400
#define SQLITE_OPEN_MAIN_JOURNAL 0x00000800
#define SQLITE_OPEN_TEMP_JOURNAL 0x00001000
#define SQLITE_OPEN_SUBJOURNAL 0x00002000
#define SQLITE_OPEN_SUPER_JOURNAL 0x00004000
#define SQLITE_OPEN_NOMUTEX 0x00008000
#define SQLITE_OPEN_FULLMUTEX 0x00010000
#define SQLITE_OPEN_SHAREDCACHE 0x00020000
#define SQLITE_OPEN_PRIVATECACHE 0x00040000
#define SQLITE_OPEN_WAL 0x00080000
#define SQLITE_OPEN_NOFOLLOW 0x01000000
#define SQLITE_OPEN_FILEPROTECTION_COMPLETE 0x00100000
#define SQLITE_OPEN_FILEPROTECTION_COMPLETEUNLESSOPEN 0x00200000
#define SQLITE_OPEN_FILEPROTECTION_COMPLETEUNTILFIRSTUSERAUTHENTICATION 0x00300000
#define SQLITE_OPEN_FILEPROTECTION_NONE 0x00400000

/* Virtual file systems and open files */
typedef struct sqlite3_file sqlite3_file;
typedef struct sqlite3_io_methods sqlite3_io_methods;
typedef struct sqlite3_mutex sqlite3_mutex;
typedef struct sqlite3_vfs sqlite3_vfs;
typedef void (*sqlite3_syscall_ptr)(void);

struct sqlite3_file {
    const struct sqlite3_io_methods *pMethods;
};

struct sqlite3_io_methods {
    int iVersion;
    int (*xClose)(sqlite3_file *);
    int (*xRead)(sqlite3_file *, void *, int iAmt, sqlite3_int64 iOfst);
    int (*xWrite)(sqlite3_file *, const void *, int iAmt, sqlite3_int64 iOfst);
    int (*xTruncate)(sqlite3_file *, sqlite3_int64 size);
    int (*xSync)(sqlite3_file *, int flags);
    int (*xFileSize)(sqlite3_file *, sqlite3_int64 *pSize);
    int (*xLock)(sqlite3_file *, int);
    int (*xUnlock)(sqlite3_file *, int);
    int (*xCheckReservedLock)(sqlite3_file *, int *pResOut);
    int (*xFileControl)(sqlite3_file *, int op, void *pArg);
    int (*xSectorSize)(sqlite3_file *);
    int (*xDeviceCharacteristics)(sqlite3_file *);
    int (*xShmMap)(sqlite3_file *, int iPg, int pgsz, int, void volatile **);
    int (*xShmLock)(sqlite3_file *, int offset, int n, int flags);
    void (*xShmBarrier)(sqlite3_file *);
    int (*xShmUnmap)(sqlite3_file *, int deleteFlag);
    int (*xFetch)(sqlite3_file *, sqlite3_int64 iOfst, int iAmt, void **pp);
    int (*xUnfetch)(sqlite3_file *, sqlite3_int64 iOfst, void *p);
};

struct sqlite3_vfs {
    int iVersion;
    int szOsFile;
    int mxPathname;
    sqlite3_vfs *pNext;
    const char *zName;
    void *pAppData;
    int (*xOpen)(sqlite3_vfs *, const char *zName, sqlite3_file *, int flags, int *pOutFlags);
    int (*xDelete)(sqlite3_vfs *, const char *zName, int syncDir);
    int (*xAccess)(sqlite3_vfs *, const char *zName, int flags, int *pResOut);
    int (*xFullPathname)(sqlite3_vfs *, const char *zName, int nOut, char *zOut);
    void *(*xDlOpen)(sqlite3_vfs *, const char *zFilename);
    void (*xDlError)(sqlite3_vfs *, int nByte, char *zErrMsg);
    void (*(*xDlSym)(sqlite3_vfs *, void *, const char *zSymbol))(void);
    void (*xDlClose)(sqlite3_vfs *, void *);
    int (*xRandomness)(sqlite3_vfs *, int nByte, char *zOut);
    int (*xSleep)(sqlite3_vfs *, int microseconds);
    int (*xCurrentTime)(sqlite3_vfs *, double *);
    int (*xGetLastError)(sqlite3_vfs *, int, char *);
    int (*xCurrentTimeInt64)(sqlite3_vfs *, sqlite3_int64 *);
    int (*xSetSystemCall)(sqlite3_vfs *, const char *zName, sqlite3_syscall_ptr);
    sqlite3_syscall_ptr (*xGetSystemCall)(sqlite3_vfs *, const char *zName);
    const char *(*xNextSystemCall)(sqlite3_vfs *, const char *zName);
};

SQLITE_API sqlite3_vfs *sqlite3_vfs_find(const char *zVfsName);
SQLITE_API int sqlite3_vfs_register(sqlite3_vfs *, int makeDflt);
SQLITE_API int sqlite3_vfs_unregister(sqlite3_vfs *);

/* Library set-up */
SQLITE_API int sqlite3_initialize(void);
SQLITE_API int sqlite3_shutdown(void);
SQLITE_API int sqlite3_config(int, ...);
SQLITE_API int sqlite3_db_config(sqlite3 *, int op, ...);

#define SQLITE_CONFIG_SINGLETHREAD 1
#define SQLITE_CONFIG_MULTITHREAD 2
#define SQLITE_CONFIG_SERIALIZED 3
#define SQLITE_CONFIG_MEMSTATUS 9
#define SQLITE_CONFIG_LOG 16
#define SQLITE_CONFIG_URI 17

/* Connections */
SQLITE_API int sqlite3_extended_result_codes(sqlite3 *, int onoff);
SQLITE_API sqlite3_int64 sqlite3_last_insert_rowid(sqlite3 *);
SQLITE_API void sqlite3_set_last_insert_rowid(sqlite3 *, sqlite3_int64);
SQLITE_API int sqlite3_changes(sqlite3 *);
SQLITE_API sqlite3_int64 sqlite3_changes64(sqlite3 *);
SQLITE_API int sqlite3_total_changes(sqlite3 *);
SQLITE_API sqlite3_int64 sqlite3_total_changes64(sqlite3 *);
SQLITE_API void sqlite3_interrupt(sqlite3 *);
SQLITE_API int sqlite3_is_interrupted(sqlite3 *);
SQLITE_API int sqlite3_complete(const char *sql);
SQLITE_API int sqlite3_busy_handler(sqlite3 *, int (*)(void *, int), void *);
SQLITE_API int sqlite3_busy_timeout(sqlite3 *, int ms);
SQLITE_API int sqlite3_get_table(sqlite3 *db, const char *zSql, char ***pazResult, int *pnRow, int *pnColumn,
                                 char **pzErrmsg);
SQLITE_API void sqlite3_free_table(char **result);

SQLITE_API char *sqlite3_mprintf(const char *, ...);
SQLITE_API char *sqlite3_vmprintf(const char *, va_list);
SQLITE_API char *sqlite3_snprintf(int, char *, const char *, ...);

SQLITE_API void *sqlite3_malloc(int);
SQLITE_API void *sqlite3_malloc64(sqlite3_uint64);
SQLITE_API void *sqlite3_realloc(void *, int);
SQLITE_API void *sqlite3_realloc64(void *, sqlite3_uint64);
SQLITE_API void sqlite3_free(void *);
SQLITE_API sqlite3_uint64 sqlite3_msize(void *);
SQLITE_API sqlite3_int64 sqlite3_memory_used(void);
SQLITE_API sqlite3_int64 sqlite3_memory_highwater(int resetFlag);
SQLITE_API void sqlite3_randomness(int N, void *P);

SQLITE_API int sqlite3_set_authorizer(sqlite3 *, int (*xAuth)(void *, int, const char *, const char *, const char *,
                                                              const char *),
                                      void *pUserData);
#define SQLITE_DENY 1
#define SQLITE_IGNORE 2

SQLITE_API void *sqlite3_trace(sqlite3 *, void (*xTrace)(void *, const char *), void *);
SQLITE_API void *sqlite3_profile(sqlite3 *, void (*xProfile)(void *, const char *, sqlite3_uint64), void *);
SQLITE_API int sqlite3_trace_v2(sqlite3 *, unsigned uMask, int (*xCallback)(unsigned, void *, void *, void *),
                                void *pCtx);
#define SQLITE_TRACE_STMT 0x01
#define SQLITE_TRACE_PROFILE 0x02
#define SQLITE_TRACE_ROW 0x04
#define SQLITE_TRACE_CLOSE 0x08

SQLITE_API void sqlite3_progress_handler(sqlite3 *, int, int (*)(void *), void *);

SQLITE_API int sqlite3_open(const char *filename, sqlite3 **ppDb);
SQLITE_API int sqlite3_open16(const void *filename, sqlite3 **ppDb);
SQLITE_API int sqlite3_open_v2(const char *filename, sqlite3 **ppDb, int flags, const char *zVfs);

SQLITE_API int sqlite3_errcode(sqlite3 *db);
SQLITE_API int sqlite3_extended_errcode(sqlite3 *db);
SQLITE_API const char *sqlite3_errmsg(sqlite3 *);
SQLITE_API const void *sqlite3_errmsg16(sqlite3 *);
SQLITE_API const char *sqlite3_errstr(int);
SQLITE_API int sqlite3_error_offset(sqlite3 *db);

/* Run-time limits */
SQLITE_API int sqlite3_limit(sqlite3 *, int id, int newVal);
#define SQLITE_LIMIT_LENGTH 0
#define SQLITE_LIMIT_SQL_LENGTH 1
#define SQLITE_LIMIT_COLUMN 2
#define SQLITE_LIMIT_EXPR_DEPTH 3
#define SQLITE_LIMIT_COMPOUND_SELECT 4
#define SQLITE_LIMIT_VDBE_OP 5
#define SQLITE_LIMIT_FUNCTION_ARG 6
#define SQLITE_LIMIT_ATTACHED 7
#define SQLITE_LIMIT_LIKE_PATTERN_LENGTH 8
#define SQLITE_LIMIT_VARIABLE_NUMBER 9
#define SQLITE_LIMIT_TRIGGER_DEPTH 10
#define SQLITE_LIMIT_WORKER_THREADS 11

/* Prepared statements */
typedef struct sqlite3_stmt sqlite3_stmt;
#define SQLITE_PREPARE_PERSISTENT 0x01
#define SQLITE_PREPARE_NORMALIZE 0x02
#define SQLITE_PREPARE_NO_VTAB 0x04

SQLITE_API int sqlite3_prepare(sqlite3 *db, const char *zSql, int nByte, sqlite3_stmt **ppStmt, const char **pzTail);
SQLITE_API int sqlite3_prepare_v2(sqlite3 *db, const char *zSql, int nByte, sqlite3_stmt **ppStmt,
                                  const char **pzTail);
SQLITE_API int sqlite3_prepare_v3(sqlite3 *db, const char *zSql, int nByte, unsigned int prepFlags,
                                  sqlite3_stmt **ppStmt, const char **pzTail);
SQLITE_API int sqlite3_prepare16_v2(sqlite3 *db, const void *zSql, int nByte, sqlite3_stmt **ppStmt,
                                    const void **pzTail);
SQLITE_API const char *sqlite3_sql(sqlite3_stmt *pStmt);
SQLITE_API char *sqlite3_expanded_sql(sqlite3_stmt *pStmt);
SQLITE_API int sqlite3_stmt_readonly(sqlite3_stmt *pStmt);
SQLITE_API int sqlite3_stmt_busy(sqlite3_stmt *);

typedef struct sqlite3_value sqlite3_value;
typedef struct sqlite3_context sqlite3_context;

typedef void (*sqlite3_destructor_type)(void *);
#define SQLITE_STATIC ((sqlite3_destructor_type)0)
#define SQLITE_TRANSIENT ((sqlite3_destructor_type)-1)

SQLITE_API int sqlite3_bind_blob(sqlite3_stmt *, int, const void *, int n, void (*)(void *));
SQLITE_API int sqlite3_bind_blob64(sqlite3_stmt *, int, const void *, sqlite3_uint64, void (*)(void *));
SQLITE_API int sqlite3_bind_double(sqlite3_stmt *, int, double);
SQLITE_API int sqlite3_bind_int(sqlite3_stmt *, int, int);
SQLITE_API int sqlite3_bind_int64(sqlite3_stmt *, int, sqlite3_int64);
SQLITE_API int sqlite3_bind_null(sqlite3_stmt *, int);
SQLITE_API int sqlite3_bind_text(sqlite3_stmt *, int, const char *, int, void (*)(void *));
SQLITE_API int sqlite3_bind_text16(sqlite3_stmt *, int, const void *, int, void (*)(void *));
SQLITE_API int sqlite3_bind_text64(sqlite3_stmt *, int, const char *, sqlite3_uint64, void (*)(void *),
                                   unsigned char encoding);
SQLITE_API int sqlite3_bind_value(sqlite3_stmt *, int, const sqlite3_value *);
SQLITE_API int sqlite3_bind_pointer(sqlite3_stmt *, int, void *, const char *, void (*)(void *));
SQLITE_API int sqlite3_bind_zeroblob(sqlite3_stmt *, int, int n);
SQLITE_API int sqlite3_bind_zeroblob64(sqlite3_stmt *, int, sqlite3_uint64);
SQLITE_API int sqlite3_bind_parameter_count(sqlite3_stmt *);
SQLITE_API const char *sqlite3_bind_parameter_name(sqlite3_stmt *, int);
SQLITE_API int sqlite3_bind_parameter_index(sqlite3_stmt *, const char *zName);
SQLITE_API int sqlite3_clear_bindings(sqlite3_stmt *);

SQLITE_API int sqlite3_column_count(sqlite3_stmt *pStmt);
SQLITE_API const char *sqlite3_column_name(sqlite3_stmt *, int N);
SQLITE_API const void *sqlite3_column_name16(sqlite3_stmt *, int N);
SQLITE_API const char *sqlite3_column_database_name(sqlite3_stmt *, int);
SQLITE_API const char *sqlite3_column_table_name(sqlite3_stmt *, int);
SQLITE_API const char *sqlite3_column_origin_name(sqlite3_stmt *, int);
SQLITE_API const char *sqlite3_column_decltype(sqlite3_stmt *, int);

SQLITE_API int sqlite3_step(sqlite3_stmt *);
SQLITE_API int sqlite3_data_count(sqlite3_stmt *pStmt);

#define SQLITE_INTEGER 1
#define SQLITE_FLOAT 2
#define SQLITE_BLOB 4
#define SQLITE_NULL 5
#define SQLITE_TEXT 3
#define SQLITE3_TEXT 3

SQLITE_API const void *sqlite3_column_blob(sqlite3_stmt *, int iCol);
SQLITE_API double sqlite3_column_double(sqlite3_stmt *, int iCol);
SQLITE_API int sqlite3_column_int(sqlite3_stmt *, int iCol);
SQLITE_API sqlite3_int64 sqlite3_column_int64(sqlite3_stmt *, int iCol);
SQLITE_API const unsigned char *sqlite3_column_text(sqlite3_stmt *, int iCol);
SQLITE_API const void *sqlite3_column_text16(sqlite3_stmt *, int iCol);
SQLITE_API sqlite3_value *sqlite3_column_value(sqlite3_stmt *, int iCol);
SQLITE_API int sqlite3_column_bytes(sqlite3_stmt *, int iCol);
SQLITE_API int sqlite3_column_bytes16(sqlite3_stmt *, int iCol);
SQLITE_API int sqlite3_column_type(sqlite3_stmt *, int iCol);

SQLITE_API int sqlite3_finalize(sqlite3_stmt *pStmt);
SQLITE_API int sqlite3_reset(sqlite3_stmt *pStmt);
SQLITE_API sqlite3_stmt *sqlite3_next_stmt(sqlite3 *pDb, sqlite3_stmt *pStmt);
SQLITE_API sqlite3 *sqlite3_db_handle(sqlite3_stmt *);
SQLITE_API const char *sqlite3_db_filename(sqlite3 *db, const char *zDbName);
SQLITE_API int sqlite3_db_readonly(sqlite3 *db, const char *zDbName);
SQLITE_API int sqlite3_get_autocommit(sqlite3 *);

/* SQL functions */
#define SQLITE_UTF8 1
#define SQLITE_UTF16LE 2
#define SQLITE_UTF16BE 3
#define SQLITE_UTF16 4
#define SQLITE_ANY 5
#define SQLITE_UTF16_ALIGNED 8
#define SQLITE_DETERMINISTIC 0x000000800
#define SQLITE_DIRECTONLY 0x000080000
#define SQLITE_SUBTYPE 0x000100000
#define SQLITE_INNOCUOUS 0x000200000

SQLITE_API int sqlite3_create_function(sqlite3 *db, const char *zFunctionName, int nArg, int eTextRep, void *pApp,
                                       void (*xFunc)(sqlite3_context *, int, sqlite3_value **),
                                       void (*xStep)(sqlite3_context *, int, sqlite3_value **),
                                       void (*xFinal)(sqlite3_context *));
SQLITE_API int sqlite3_create_function_v2(sqlite3 *db, const char *zFunctionName, int nArg, int eTextRep, void *pApp,
                                          void (*xFunc)(sqlite3_context *, int, sqlite3_value **),
                                          void (*xStep)(sqlite3_context *, int, sqlite3_value **),
                                          void (*xFinal)(sqlite3_context *), void (*xDestroy)(void *));
SQLITE_API int sqlite3_create_collation(sqlite3 *, const char *zName, int eTextRep, void *pArg,
                                        int (*xCompare)(void *, int, const void *, int, const void *));

SQLITE_API const void *sqlite3_value_blob(sqlite3_value *);
SQLITE_API double sqlite3_value_double(sqlite3_value *);
SQLITE_API int sqlite3_value_int(sqlite3_value *);
SQLITE_API sqlite3_int64 sqlite3_value_int64(sqlite3_value *);
SQLITE_API void *sqlite3_value_pointer(sqlite3_value *, const char *);
SQLITE_API const unsigned char *sqlite3_value_text(sqlite3_value *);
SQLITE_API const void *sqlite3_value_text16(sqlite3_value *);
SQLITE_API int sqlite3_value_bytes(sqlite3_value *);
SQLITE_API int sqlite3_value_bytes16(sqlite3_value *);
SQLITE_API int sqlite3_value_type(sqlite3_value *);
SQLITE_API int sqlite3_value_numeric_type(sqlite3_value *);

SQLITE_API void *sqlite3_aggregate_context(sqlite3_context *, int nBytes);
SQLITE_API void *sqlite3_user_data(sqlite3_context *);
SQLITE_API sqlite3 *sqlite3_context_db_handle(sqlite3_context *);
SQLITE_API void *sqlite3_get_auxdata(sqlite3_context *, int N);
SQLITE_API void sqlite3_set_auxdata(sqlite3_context *, int N, void *, void (*)(void *));

SQLITE_API void sqlite3_result_blob(sqlite3_context *, const void *, int, void (*)(void *));
SQLITE_API void sqlite3_result_blob64(sqlite3_context *, const void *, sqlite3_uint64, void (*)(void *));
SQLITE_API void sqlite3_result_double(sqlite3_context *, double);
SQLITE_API void sqlite3_result_error(sqlite3_context *, const char *, int);
SQLITE_API void sqlite3_result_error16(sqlite3_context *, const void *, int);
SQLITE_API void sqlite3_result_error_toobig(sqlite3_context *);
SQLITE_API void sqlite3_result_error_nomem(sqlite3_context *);
SQLITE_API void sqlite3_result_error_code(sqlite3_context *, int);
SQLITE_API void sqlite3_result_int(sqlite3_context *, int);
SQLITE_API void sqlite3_result_int64(sqlite3_context *, sqlite3_int64);
SQLITE_API void sqlite3_result_null(sqlite3_context *);
SQLITE_API void sqlite3_result_text(sqlite3_context *, const char *, int, void (*)(void *));
SQLITE_API void sqlite3_result_text64(sqlite3_context *, const char *, sqlite3_uint64, void (*)(void *),
                                      unsigned char encoding);
SQLITE_API void sqlite3_result_text16(sqlite3_context *, const void *, int, void (*)(void *));
SQLITE_API void sqlite3_result_value(sqlite3_context *, sqlite3_value *);
SQLITE_API void sqlite3_result_pointer(sqlite3_context *, void *, const char *, void (*)(void *));
SQLITE_API void sqlite3_result_zeroblob(sqlite3_context *, int n);

/* Miscellaneous */
SQLITE_API int sqlite3_sleep(int);
SQLITE_API SQLITE_EXTERN char *sqlite3_temp_directory;
SQLITE_API SQLITE_EXTERN char *sqlite3_data_directory;
SQLITE_API void *sqlite3_commit_hook(sqlite3 *, int (*)(void *), void *);
SQLITE_API void *sqlite3_rollback_hook(sqlite3 *, void (*)(void *), void *);
SQLITE_API void *sqlite3_update_hook(sqlite3 *, void (*)(void *, int, char const *, char const *, sqlite3_int64),
                                     void *);
SQLITE_API int sqlite3_enable_shared_cache(int);
SQLITE_API int sqlite3_release_memory(int);
SQLITE_API int sqlite3_db_release_memory(sqlite3 *);
SQLITE_API sqlite3_int64 sqlite3_soft_heap_limit64(sqlite3_int64 N);
SQLITE_API int sqlite3_table_column_metadata(sqlite3 *db, const char *zDbName, const char *zTableName,
                                             const char *zColumnName, char const **pzDataType, char const **pzCollSeq,
                                             int *pNotNull, int *pPrimaryKey, int *pAutoinc);
SQLITE_API int sqlite3_file_control(sqlite3 *, const char *zDbName, int op, void *);
SQLITE_API int sqlite3_status(int op, int *pCurrent, int *pHighwater, int resetFlag);
SQLITE_API int sqlite3_db_status(sqlite3 *, int op, int *pCur, int *pHiwtr, int resetFlg);
SQLITE_API int sqlite3_stmt_status(sqlite3_stmt *, int op, int resetFlg);
SQLITE_API void sqlite3_log(int iErrCode, const char *zFormat, ...);

/* Online backup */
typedef struct sqlite3_backup sqlite3_backup;
SQLITE_API sqlite3_backup *sqlite3_backup_init(sqlite3 *pDest, const char *zDestName, sqlite3 *pSource,
                                               const char *zSourceName);
SQLITE_API int sqlite3_backup_step(sqlite3_backup *p, int nPage);
SQLITE_API int sqlite3_backup_finish(sqlite3_backup *p);
SQLITE_API int sqlite3_backup_remaining(sqlite3_backup *p);
SQLITE_API int sqlite3_backup_pagecount(sqlite3_backup *p);

/* Write-ahead log */
SQLITE_API void *sqlite3_wal_hook(sqlite3 *, int (*)(void *, sqlite3 *, const char *, int), void *);
SQLITE_API int sqlite3_wal_autocheckpoint(sqlite3 *db, int N);
SQLITE_API int sqlite3_wal_checkpoint(sqlite3 *db, const char *zDb);
SQLITE_API int sqlite3_wal_checkpoint_v2(sqlite3 *db, const char *zDb, int eMode, int *pnLog, int *pnCkpt);
#define SQLITE_CHECKPOINT_PASSIVE 0
#define SQLITE_CHECKPOINT_FULL 1
#define SQLITE_CHECKPOINT_RESTART 2
#define SQLITE_CHECKPOINT_TRUNCATE 3

/* Incremental blob I/O */
typedef struct sqlite3_blob sqlite3_blob;
SQLITE_API int sqlite3_blob_open(sqlite3 *, const char *zDb, const char *zTable, const char *zColumn,
                                 sqlite3_int64 iRow, int flags, sqlite3_blob **ppBlob);
SQLITE_API int sqlite3_blob_close(sqlite3_blob *);
SQLITE_API int sqlite3_blob_bytes(sqlite3_blob *);
SQLITE_API int sqlite3_blob_read(sqlite3_blob *, void *Z, int N, int iOffset);
SQLITE_API int sqlite3_blob_write(sqlite3_blob *, const void *z, int n, int iOffset);

/* Mutexes */
SQLITE_API sqlite3_mutex *sqlite3_mutex_alloc(int);
SQLITE_API void sqlite3_mutex_free(sqlite3_mutex *);
SQLITE_API void sqlite3_mutex_enter(sqlite3_mutex *);
SQLITE_API int sqlite3_mutex_try(sqlite3_mutex *);
SQLITE_API void sqlite3_mutex_leave(sqlite3_mutex *);
SQLITE_API sqlite3_mutex *sqlite3_db_mutex(sqlite3 *);

#ifdef __cplusplus
}
#endif

#endif /* SQLITE3_H */
