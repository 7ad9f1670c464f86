/* UniformTypeIdentifiers.h: the types of files and data as UTType objects, with the system's common types. */
#import <UniformTypeIdentifiers/UTDefines.h>
#import <UniformTypeIdentifiers/UTType.h>
#import <UniformTypeIdentifiers/UTCoreTypes.h>
#import <UniformTypeIdentifiers/UTTagClass.h>
