/*
 * UINibDeclarations.h: the markers that Interface Builder reads: outlets (IBOutlet, IBOutletCollection), actions
 * (IBAction), inspectable properties (IBInspectable) and views drawn live in the canvas (IB_DESIGNABLE).
 */
#ifndef IBOutlet
#define IBOutlet __attribute__((iboutlet))
#endif

#ifndef IBOutletCollection
#define IBOutletCollection(ClassName) __attribute__((iboutletcollection(ClassName)))
#endif

#ifndef IBAction
#define IBAction void __attribute__((ibaction))
#endif

#ifndef IBInspectable
#define IBInspectable __attribute__((annotate("IBInspectable")))
#endif

#ifndef IB_DESIGNABLE
#define IB_DESIGNABLE __attribute__((annotate("IB_DESIGNABLE")))
#endif
