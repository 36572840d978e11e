#include "SaveRequest.h"

#include "QSystemModel.h"

QString SaveRequest::TargetPath() const {
    return m_strFolder + QLatin1Char('/') + m_strName;
}

int SaveRequest::OutputFor(int action) const {
    if (action == ActionSave) {
        return m_nOutput;
    }
    return m_nKind == SystemInformation || m_nKind == InverterInformation ? 1 : GenerationReport::Preview;
}

GenerationReport SaveRequest::Generation(const QSystemModel& plant, int output) const {
    GenerationRequest request;
    request.m_nKind = m_nKind == SystemGeneration ? 2 : 3;
    request.m_pInverter = m_pInverter;
    request.m_nPeriod = m_nPeriod;
    request.m_From = m_From;
    request.m_To = m_To;

    GenerationReport report;
    report.m_strPath = TargetPath();
    report.m_Entries = QGenerationStore::GenerationEntries(request, plant);
    report.m_nScope = request.m_nKind;
    report.m_pInverter = m_pInverter;
    report.m_Start = m_From;
    report.m_End = m_To;
    report.m_nOutput = output;
    report.m_nPeriod = m_nPeriod;
    return report;
}
