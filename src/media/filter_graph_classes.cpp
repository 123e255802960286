#include "media/filter_graph_classes.h"

#include "framework/core/class_registry.h"
#include "framework/core/enum_info.h"
#include "framework/widgets/input_control_classes.h"
#include "media/ds_track_bar.h"
#include "media/filter_graph.h"

#include <type_traits>

namespace brisat {

const TEnumInfo GraphModeInfo = EnumInfoOf<TGraphMode>("TGraphMode");

namespace {

using TGraphDeclaration = TClassDeclaration<TFilterGraph>;

// An event property bound to the event member of TFilterGraph.
template <auto Member> void Event(TGraphDeclaration& declaration, const char* name) {
    using Fn = std::remove_reference_t<decltype(std::declval<TFilterGraph&>().*Member)>;
    declaration.Event<Fn>(name, [](TFilterGraph& g, const Fn& handler) { g.*Member = handler; });
}

void DeclareGraphEvents(TGraphDeclaration& d) {
    using G = TFilterGraph;
    Event<&G::OnActivate>(d, "OnActivate");
    Event<&G::OnDSEvent>(d, "OnDSEvent");
    Event<&G::OnGraphBufferingData>(d, "OnGraphBufferingData");
    Event<&G::OnGraphClockChanged>(d, "OnGraphClockChanged");
    Event<&G::OnGraphComplete>(d, "OnGraphComplete");
    Event<&G::OnGraphDeviceLost>(d, "OnGraphDeviceLost");
    Event<&G::OnGraphEndOfSegment>(d, "OnGraphEndOfSegment");
    Event<&G::OnGraphErrorStillPlaying>(d, "OnGraphErrorStillPlaying");
    Event<&G::OnGraphErrorAbort>(d, "OnGraphErrorAbort");
    Event<&G::OnGraphFullscreenLost>(d, "OnGraphFullscreenLost");
    Event<&G::OnGraphChanged>(d, "OnGraphChanged");
    Event<&G::OnGraphOleEvent>(d, "OnGraphOleEvent");
    Event<&G::OnGraphOpeningFile>(d, "OnGraphOpeningFile");
    Event<&G::OnGraphPaletteChanged>(d, "OnGraphPaletteChanged");
    Event<&G::OnGraphPaused>(d, "OnGraphPaused");
    Event<&G::OnGraphQualityChange>(d, "OnGraphQualityChange");
    Event<&G::OnGraphSNDDevInError>(d, "OnGraphSNDDevInError");
    Event<&G::OnGraphSNDDevOutError>(d, "OnGraphSNDDevOutError");
    Event<&G::OnGraphStepComplete>(d, "OnGraphStepComplete");
    Event<&G::OnGraphStreamControlStarted>(d, "OnGraphStreamControlStarted");
    Event<&G::OnGraphStreamControlStopped>(d, "OnGraphStreamControlStopped");
    Event<&G::OnGraphStreamErrorStillPlaying>(d, "OnGraphStreamErrorStillPlaying");
    Event<&G::OnGraphStreamErrorStopped>(d, "OnGraphStreamErrorStopped");
    Event<&G::OnGraphUserAbort>(d, "OnGraphUserAbort");
    Event<&G::OnGraphVideoSizeChanged>(d, "OnGraphVideoSizeChanged");
    Event<&G::OnGraphTimeCodeAvailable>(d, "OnGraphTimeCodeAvailable");
    Event<&G::OnGraphEXTDeviceModeChange>(d, "OnGraphEXTDeviceModeChange");
    Event<&G::OnGraphClockUnset>(d, "OnGraphClockUnset");
    Event<&G::OnGraphVMRRenderDevice>(d, "OnGraphVMRRenderDevice");
}

void DeclareDvdEvents(TGraphDeclaration& d) {
    using G = TFilterGraph;
    Event<&G::OnDVDAudioStreamChange>(d, "OnDVDAudioStreamChange");
    Event<&G::OnDVDCurrentTime>(d, "OnDVDCurrentTime");
    Event<&G::OnDVDTitleChange>(d, "OnDVDTitleChange");
    Event<&G::OnDVDChapterStart>(d, "OnDVDChapterStart");
    Event<&G::OnDVDAngleChange>(d, "OnDVDAngleChange");
    Event<&G::OnDVDValidUOPSChange>(d, "OnDVDValidUOPSChange");
    Event<&G::OnDVDButtonChange>(d, "OnDVDButtonChange");
    Event<&G::OnDVDChapterAutoStop>(d, "OnDVDChapterAutoStop");
    Event<&G::OnDVDStillOn>(d, "OnDVDStillOn");
    Event<&G::OnDVDStillOff>(d, "OnDVDStillOff");
    Event<&G::OnDVDSubpictureStreamChange>(d, "OnDVDSubpictureStreamChange");
    Event<&G::OnDVDNoFP_PGC>(d, "OnDVDNoFP_PGC");
    Event<&G::OnDVDPlaybackRateChange>(d, "OnDVDPlaybackRateChange");
    Event<&G::OnDVDParentalLevelChange>(d, "OnDVDParentalLevelChange");
    Event<&G::OnDVDPlaybackStopped>(d, "OnDVDPlaybackStopped");
    Event<&G::OnDVDAnglesAvailable>(d, "OnDVDAnglesAvailable");
    Event<&G::OnDVDPlayPeriodAutoStop>(d, "OnDVDPlayPeriodAutoStop");
    Event<&G::OnDVDButtonAutoActivated>(d, "OnDVDButtonAutoActivated");
    Event<&G::OnDVDCMDStart>(d, "OnDVDCMDStart");
    Event<&G::OnDVDCMDEnd>(d, "OnDVDCMDEnd");
    Event<&G::OnDVDDiscEjected>(d, "OnDVDDiscEjected");
    Event<&G::OnDVDDiscInserted>(d, "OnDVDDiscInserted");
    Event<&G::OnDVDCurrentHMSFTime>(d, "OnDVDCurrentHMSFTime");
    Event<&G::OnDVDKaraokeMode>(d, "OnDVDKaraokeMode");
    Event<&G::OnDVDDomainFirstPlay>(d, "OnDVDDomainFirstPlay");
    Event<&G::OnDVDDomainVideoManagerMenu>(d, "OnDVDDomainVideoManagerMenu");
    Event<&G::OnDVDDomainVideoTitleSetMenu>(d, "OnDVDDomainVideoTitleSetMenu");
    Event<&G::OnDVDDomainTitle>(d, "OnDVDDomainTitle");
    Event<&G::OnDVDDomainStop>(d, "OnDVDDomainStop");
    Event<&G::OnDVDErrorUnexpected>(d, "OnDVDErrorUnexpected");
    Event<&G::OnDVDErrorCopyProtectFail>(d, "OnDVDErrorCopyProtectFail");
    Event<&G::OnDVDErrorInvalidDVD1_0Disc>(d, "OnDVDErrorInvalidDVD1_0Disc");
    Event<&G::OnDVDErrorInvalidDiscRegion>(d, "OnDVDErrorInvalidDiscRegion");
    Event<&G::OnDVDErrorLowParentalLevel>(d, "OnDVDErrorLowParentalLevel");
    Event<&G::OnDVDErrorMacrovisionFail>(d, "OnDVDErrorMacrovisionFail");
    Event<&G::OnDVDErrorIncompatibleSystemAndDecoderRegions>(
        d, "OnDVDErrorIncompatibleSystemAndDecoderRegions");
    Event<&G::OnDVDErrorIncompatibleDiscAndDecoderRegions>(
        d, "OnDVDErrorIncompatibleDiscAndDecoderRegions");
    Event<&G::OnDVDWarningInvalidDVD1_0Disc>(d, "OnDVDWarningInvalidDVD1_0Disc");
    Event<&G::OnDVDWarningFormatNotSupported>(d, "OnDVDWarningFormatNotSupported");
    Event<&G::OnDVDWarningIllegalNavCommand>(d, "OnDVDWarningIllegalNavCommand");
    Event<&G::OnDVDWarningOpen>(d, "OnDVDWarningOpen");
    Event<&G::OnDVDWarningSeek>(d, "OnDVDWarningSeek");
    Event<&G::OnDVDWarningRead>(d, "OnDVDWarningRead");
}

void RegisterFilterGraph(TClassRegistry& registry) {
    using T = TFilterGraph;
    TGraphDeclaration d("TFilterGraph", "TComponent");
    d.String("LogFile", &T::LogFile, &T::SetLogFile)
        .Boolean("Active", &T::Active, &T::SetActive, [](const T& g) { return g.Active(); })
        .Boolean("AutoCreate", &T::AutoCreate, &T::SetAutoCreate,
                 [](const T& g) { return g.AutoCreate(); })
        .Enumeration("Mode", GraphModeInfo, &T::Mode, &T::SetMode,
                     [](const T& g) { return g.Mode() != TGraphMode::gmNormal; })
        .Boolean("GraphEdit", &T::GraphEdit, &T::SetGraphEdit); // always stored
    DeclareGraphEvents(d);
    DeclareDvdEvents(d);
    d.Register(registry);
}

void RegisterDSTrackBar(TClassRegistry& registry) {
    using T = TDSTrackBar;
    TClassDeclaration<T>("TDSTrackBar", "TTrackBar")
        .Reference<TFilterGraph>("FilterGraph", &T::FilterGraph, &T::SetFilterGraph)
        .Integer("TimerInterval", &T::TimerInterval, &T::SetTimerInterval,
                 [](const T& t) { return t.TimerInterval() != 1000; })
        .Event<TTimerEvent>("OnTimer", [](T& t, const TTimerEvent& e) { t.SetOnTimer(e); })
        .Register(registry);
}

} // namespace

void RegisterFilterGraphClasses(TClassRegistry& registry) {
    RegisterInputControlClasses(registry);
    RegisterFilterGraph(registry);
    RegisterDSTrackBar(registry);
}

} // namespace brisat
